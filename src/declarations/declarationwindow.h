#pragma once
#include "core/declarations/declarationkind.h"
#include "core/storage/recordlayout.h"
#include "ui/archivewindow.h"
#include "ui/formkit.h"

#include <QStringList>

class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class StatusHints;

// The record window of a declaration archive: frmCertificazioni over the
// self-certifications, frmAtti over the declarations of notoriety. It shows
// one declaration at a time, laid out like the printed form; its state is
// the contents of its controls. Every command on the archive opens the file,
// works and closes it again.
class DeclarationWindow : public ArchiveWindow
{
    Q_OBJECT
public:
    explicit DeclarationWindow(DeclarationKind::Id kind, QWidget *parent = nullptr);

    const DeclarationKind &kind() const { return m_kind; }
    // Puts a record just read from the archive on screen, every field trimmed,
    // and makes `position` the record on screen. The status line is kept.
    void showRecord(qint64 position, const QByteArray &record) override;

    // The 17 personal-data boxes, in the order of personalDataControls()
    // (also the order of the first 17 fields of the record); missing values
    // empty their box. Text, subject, place, date, delivered box, attachments
    // and position stay as they are.
    void fillPersonalData(const QStringList &values);
    static QStringList personalDataControls();
    // The card's personal data, field by field, trimmed.
    void fillPersonalData(const Record &card) override;
    // txtDichiarazione as it is printed: its lines joined as stored.
    QString controlText(const QString &name) const override;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Building (declarationwindow.cpp).
    void buildSurfaces();
    void buildCommands();
    void buildFields();
    void buildKeyboard();
    void buildFormulas();

    // Commands (declarationcommands.cpp).
    void cmdNuovoClick();
    void cmdDuplicaClick();
    void cmdSalvaClick();
    void cmdAnteprimaClick();
    void cmdStampaClick();
    void cmdPrimoClick();
    void cmdIndietroClick();
    void cmdAvantiClick();
    void cmdUltimoClick();
    void cmdEsciClick();
    void cmdEsportaClick();
    void cmdFileClick();
    void impPersonaClick();
    void cmdDaConsegnareClick();
    void cmdTrovaClick();
    void cmdGuidaClick();
    void impOggiClick();
    void btnCodFiscClick();

    // The standard formulas (declarationformulas.cpp): F2 or the text's
    // context menu opens the list; the choice goes into the text.
    void insertFormulaClick();
    void txtDichiarazioneContextMenu(const QPoint &position);

    // The command bar and the small buttons beside the boxes, each with its handler.
    static const FormKit::Command<DeclarationWindow> commands[];
    static const FormKit::SmallButton<DeclarationWindow> smallButtons[];

    bool checkForSave();
    bool checkForPrint();
    void print(bool preview);
    QByteArray recordFromScreen() const;

    QLineEdit *box(const char *control) const;

    const DeclarationKind &m_kind;
    StatusHints *m_hints = nullptr;
    QLabel *m_status = nullptr;
    QPlainTextEdit *m_text = nullptr;
    QCheckBox *m_delivered = nullptr;
    QAction *m_insertFormula = nullptr;
    // The single-line boxes, the hidden attachment labels and the text by
    // record field; the delivered flag has no widget here.
    QLineEdit *m_boxes[SchedaDichiarazione::FieldCount] = {};
    QLabel *m_attachments[SchedaDichiarazione::FieldCount] = {};
};
