// The commands of the declaration window.
#include "declarations/declarationwindow.h"

#include "declarations/declarationtext.h"
#include "ui/archivemessages.h"
#include "ui/dialogs.h"
#include "validators/checkwindows.h"

#include <QCheckBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
QString todayText()
{
    return QDate::currentDate().toString(QStringLiteral("dd/MM/yyyy"));
}

bool isEmpty(const QLineEdit *box)
{
    return Text::trimmed(box->text()).isEmpty();
}

bool isSex(const QLineEdit *box)
{
    const QString sex = Text::trimmed(box->text());
    return sex == QLatin1String("M") || sex == QLatin1String("F");
}

// One check before saving or printing: when it fails, its warning is shown
// and the focus goes to its box.
struct Check
{
    bool passed;
    QLineEdit *box;
    const char *warning;
};

bool runChecks(QWidget *window, std::initializer_list<Check> checks)
{
    for (const Check &check : checks) {
        if (check.passed)
            continue;
        warn(window, QString::fromUtf8(check.warning));
        check.box->setFocus(Qt::OtherFocusReason);
        return false;
    }
    return true;
}
}

void DeclarationWindow::newDeclaration()
{
    for (int i = 0; i <= SchedaDichiarazione::Tel; ++i)
        m_boxes[i]->clear();
    m_text->clear();
    box("txtOggetto")->clear();
    box("txtData")->setText(todayText());
    for (QLabel *label : m_attachments)
        if (label)
            label->clear();
    m_delivered->setChecked(false);
    setPosition(0);
    box("txtNome")->setFocus(Qt::OtherFocusReason);
}

bool DeclarationWindow::checkForSave()
{
    return runChecks(this, {
        {!isEmpty(box("txtNome")), box("txtNome"),
         "Attenzione: per salvare la scheda è necessario indicare il nome del dichiarante."},
        {isSex(box("txtSesso")), box("txtSesso"),
         "Attenzione: per salvare la scheda è necessario indicare il sesso del dichiarante usando la "
         "lettera M oppure F."},
        {!isEmpty(box("txtTel")), box("txtTel"),
         "Attenzione: per salvare la scheda è necessario indicare il recapito telefonico del dichiarante."},
        {!isEmpty(box("txtOggetto")), box("txtOggetto"),
         "Attenzione: per salvare la scheda è necessario indicare l'oggetto della dichiarazione."},
        {!isEmpty(box("txtData")), box("txtData"),
         "Attenzione: per salvare la scheda è necessario indicare la data di emissione della "
         "dichiarazione."},
    });
}

bool DeclarationWindow::checkForPrint()
{
    return runChecks(this, {
        {!isEmpty(box("txtNome")), box("txtNome"),
         "Attenzione: per stampare la scheda è necessario indicare il nome del dichiarante."},
        {isSex(box("txtSesso")), box("txtSesso"),
         "Attenzione: per stampare la scheda è necessario indicare il sesso del dichiarante usando la "
         "lettera M oppure F."},
        {!isEmpty(box("txtLuogo")), box("txtLuogo"),
         "Attenzione: per stampare la scheda è necessario indicare il luogo di emissione della "
         "dichiarazione."},
        {!isEmpty(box("txtData")), box("txtData"),
         "Attenzione: per stampare la scheda è necessario indicare la data di emissione della "
         "dichiarazione."},
    });
}

QByteArray DeclarationWindow::recordFromScreen() const
{
    // Taken as shown, untrimmed: reading trims.
    Record record(SchedaDichiarazione::layout);
    for (int i = 0; i < SchedaDichiarazione::FieldCount; ++i) {
        if (i == SchedaDichiarazione::Dichiarazione)
            record.setField(i, DeclarationText::toRecord(m_text->toPlainText()));
        else if (i == SchedaDichiarazione::Consegnata)
            record.setField(i, m_delivered->isChecked() ? QStringLiteral("OK") : QStringLiteral("No"));
        else if (m_boxes[i])
            record.setField(i, m_boxes[i]->text());
        else if (m_attachments[i])
            record.setField(i, m_attachments[i]->text());
    }
    return record.bytes();
}

void DeclarationWindow::save()
{
    if (!checkForSave())
        return;
    // A failed save is told in a plain box.
    store(recordFromScreen(), true);
}

void DeclarationWindow::duplicate()
{
    if (position() == 0) {
        warn(this, ArchiveMessages::duplicateNew());
        return;
    }
    for (QLabel *label : m_attachments)
        if (label)
            label->clear();
    setPosition(0);
    box("txtNome")->setFocus(Qt::OtherFocusReason);
    inform(this, ArchiveMessages::duplicated());
}

void DeclarationWindow::print(bool preview)
{
    if (!checkForPrint())
        return;
    // The print and preview windows of the kind lay the form out from the
    // boxes on screen; they are not part of the program yet.
    Q_UNUSED(preview);
}

void DeclarationWindow::today()
{
    box("txtData")->setText(todayText());
}

void DeclarationWindow::checkFiscalCode()
{
    // Digits only make a company's fiscal code, its VAT number: the opener
    // picks the VAT check for those and the fiscal-code check otherwise.
    openFiscalCodeCheck(this, Text::trimmed(box("txtCodFisc")->text()));
}
