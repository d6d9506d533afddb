#pragma once
#include "core/declarations/formulas.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;

// frmFormule: the standard formulas of one kind of declaration, each as it
// reads with the declarant on screen. The filter keeps the rows holding every
// word typed; Inserisci, Enter or a double-click chooses the current row and
// closes. The declaration window then puts the choice into its text.
class FormulasWindow : public QDialog
{
    Q_OBJECT
public:
    FormulasWindow(DeclarationKind::Id kind, const Formulas::Declarant &declarant, QWidget *parent = nullptr);

    // The chosen formula as it reads; empty when the window closed without a choice.
    QString chosen() const { return m_chosen; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void txtFiltroChanged();
    void currentChanged();
    void cmdInserisciClick();

    struct Row
    {
        Formulas::Formula formula;
        QString text;   // as it reads with this declarant
    };
    QList<Row> m_rows;
    QLineEdit *m_filter;
    QListWidget *m_list;
    QLabel *m_reference;
    QString m_chosen;
};
