#pragma once
#include "ui/archivewindow.h"
#include "ui/formkit.h"

#include <QByteArray>
#include <QList>

class QLabel;
class QLineEdit;
class StatusHints;

// The registry archive window: one card of Anagrafica.pro at a time, with the
// command bar to create, duplicate, save and browse cards. The card on screen
// is the contents of the controls; lblPosizione holds its record position,
// empty while the card has never been stored.
class FrmAnagrafica : public ArchiveWindow
{
    Q_OBJECT
public:
    explicit FrmAnagrafica(QWidget *parent = nullptr);

    // Empties every field and the position, and puts the focus in txtNome.
    void clearForm();
    // Shows a record read from the archive (every field trimmed) as record `position`.
    void showRecord(qint64 position, const QByteArray &record) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsciClick();
    void cmdEsportaClick();
    void cmdFileClick();
    void cmdStampaClick();
    void cmdQuestioniClick();
    void cmdTrovaClick();
    void cmdGuidaClick();

    // The command bar and the small buttons beside the boxes, each with its handler.
    static const FormKit::Command<FrmAnagrafica> commands[];
    static const FormKit::SmallButton<FrmAnagrafica> sideButtons[];

    void btnEmailClick();
    void btnCodFiscClick();
    void btnPartitaIvaClick();
    void btnIbanClick();
    void btnCartaClick();

    void buildSurfaces();
    void buildBoxes();
    void buildCommands();
    void applyInputRules();
    void bindFields();

    QLineEdit *box(const char *name) const;
    QString fieldText(int field) const;
    void setFieldText(int field, const QString &text);

    StatusHints *m_hints = nullptr;
    QLabel *m_status = nullptr;
    QList<QLineEdit *> m_boxes;          // in tab order
    QList<QWidget *> m_fieldControls;    // by field of SchedaAnagrafica::layout
};
