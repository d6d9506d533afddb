// The commands of the declaration window.
#include "declarations/declarationwindow.h"

#include "attachments/attachmentswindow.h"
#include "core/help/helptopics.h"
#include "core/storage/text.h"
#include "declarations/declarationtextbox.h"
#include "help/helpwindow.h"
#include "output/exportwindows.h"
#include "output/printwindows.h"
#include "search/searchwindows.h"
#include "ui/archivemessages.h"
#include "ui/dialogs.h"
#include "ui/formchecks.h"
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
}

void DeclarationWindow::cmdNuovoClick()
{
    for (int i = 0; i <= SchedaDichiarazione::Tel; ++i)
        m_boxes[i]->clear();
    m_text->clear();
    box("txtOggetto")->clear();
    box("txtData")->setText(todayText());
    clearAttachments();
    m_delivered->setChecked(false);
    setPosition(0);
    box("txtNome")->setFocus(Qt::OtherFocusReason);
}

bool DeclarationWindow::checkForSave()
{
    return FormChecks::run(this, {
        {FormChecks::filled(box("txtNome")), box("txtNome"),
         "Attenzione: per salvare la scheda è necessario indicare il nome del dichiarante."},
        {FormChecks::isSex(box("txtSesso")), box("txtSesso"),
         "Attenzione: per salvare la scheda è necessario indicare il sesso del dichiarante usando la "
         "lettera M oppure F."},
        {FormChecks::filled(box("txtTel")), box("txtTel"),
         "Attenzione: per salvare la scheda è necessario indicare il recapito telefonico del dichiarante."},
        {FormChecks::filled(box("txtOggetto")), box("txtOggetto"),
         "Attenzione: per salvare la scheda è necessario indicare l'oggetto della dichiarazione."},
        {FormChecks::filled(box("txtData")), box("txtData"),
         "Attenzione: per salvare la scheda è necessario indicare la data di emissione della "
         "dichiarazione."},
    });
}

bool DeclarationWindow::checkForPrint()
{
    return FormChecks::run(this, {
        {FormChecks::filled(box("txtNome")), box("txtNome"),
         "Attenzione: per stampare la scheda è necessario indicare il nome del dichiarante."},
        {FormChecks::isSex(box("txtSesso")), box("txtSesso"),
         "Attenzione: per stampare la scheda è necessario indicare il sesso del dichiarante usando la "
         "lettera M oppure F."},
        {FormChecks::filled(box("txtLuogo")), box("txtLuogo"),
         "Attenzione: per stampare la scheda è necessario indicare il luogo di emissione della "
         "dichiarazione."},
        {FormChecks::filled(box("txtData")), box("txtData"),
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
            record.setField(i, DeclarationText::toRecord(DeclarationTextBox::text(m_text)));
        else if (i == SchedaDichiarazione::Consegnata)
            record.setField(i, m_delivered->isChecked() ? QStringLiteral("OK") : QStringLiteral("No"));
        else if (m_boxes[i])
            record.setField(i, m_boxes[i]->text());
        else if (m_attachments[i])
            record.setField(i, m_attachments[i]->text());
    }
    return record.bytes();
}

void DeclarationWindow::cmdDuplicaClick()
{
    duplicate();
}

void DeclarationWindow::cmdSalvaClick()
{
    if (!checkForSave())
        return;
    // A failed save is told in a plain box.
    store(recordFromScreen(), true);
}

void DeclarationWindow::print(bool preview)
{
    if (checkForPrint())
        openDeclarationPrint(this, m_kind, preview);
}

void DeclarationWindow::cmdAnteprimaClick() { print(true); }
void DeclarationWindow::cmdStampaClick() { print(false); }
void DeclarationWindow::cmdPrimoClick() { browse(RecordBrowsing::Move::First); }
void DeclarationWindow::cmdIndietroClick() { browse(RecordBrowsing::Move::Previous); }
void DeclarationWindow::cmdAvantiClick() { browse(RecordBrowsing::Move::Next); }
void DeclarationWindow::cmdUltimoClick() { browse(RecordBrowsing::Move::Last); }

void DeclarationWindow::cmdGuidaClick()
{
    openHelp(this, HelpTopics::declarations());
}

void DeclarationWindow::cmdTrovaClick()
{
    openDeclarationSearch(this, m_kind);
}

void DeclarationWindow::cmdDaConsegnareClick()
{
    openUndelivered(this, m_kind);
}

void DeclarationWindow::impPersonaClick()
{
    openRegistryImport(this);
}

void DeclarationWindow::cmdFileClick()
{
    openAttachments(this);
}

void DeclarationWindow::cmdEsportaClick()
{
    openExport(this);
}

void DeclarationWindow::cmdEsciClick()
{
    close();
}

void DeclarationWindow::impOggiClick()
{
    box("txtData")->setText(todayText());
}

void DeclarationWindow::btnCodFiscClick()
{
    // Digits only make a company's fiscal code, its VAT number: the opener
    // picks the VAT check for those and the fiscal-code check otherwise.
    // The declarant's birth date and sex go along to be held against the code.
    openFiscalCodeCheck(this, Text::trimmed(box("txtCodFisc")->text()),
                        {box("txtDataNasc")->text(), box("txtSesso")->text()});
}
