#include "registry/frmanagrafica.h"

#include "attachments/attachmentswindow.h"
#include "core/help/helptopics.h"
#include "core/storage/recordlayout.h"
#include "core/storage/text.h"
#include "help/helpwindow.h"
#include "output/exportwindows.h"
#include "output/printwindows.h"
#include "registry/envelopefigure.h"
#include "registry/registryform.h"
#include "search/searchwindows.h"
#include "ui/archivemessages.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/formchecks.h"
#include "ui/formkit.h"
#include "ui/inputrules.h"
#include "ui/statushints.h"
#include "validators/checkwindows.h"

#include <QLabel>
#include <QLineEdit>
#include <QShowEvent>
#include <QUrl>

namespace {
const QString caption = QStringLiteral(" Quirendo Pro Attestari - Archivio Anagrafico");

QString nameMissing()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il nome.");
}

QString sexMissing()
{
    return QStringLiteral("Attenzione: per salvare la scheda è necessario indicare il sesso "
                          "usando la lettera M oppure F.");
}

}

FrmAnagrafica::FrmAnagrafica(QWidget *parent)
    : ArchiveWindow(QStringLiteral("frmAnagrafica"), caption, QStringLiteral("anagrafica"),
                    QLatin1String(ArchiveNames::registry),
                    SchedaAnagrafica::Size, parent)
{
    m_status = FormKit::addStatusBar(panel(), RegistryForm::rectOf(RegistryForm::statusBar));
    m_status->setText(ArchiveMessages::readyStatus());
    m_hints = new StatusHints(m_status, this);

    buildSurfaces();
    buildBoxes();
    buildCommands();
    applyInputRules();
    bindFields();
}

// Background first, so that everything placed later lies on top of it.
void FrmAnagrafica::buildSurfaces()
{
    using namespace RegistryForm;
    QWidget *p = panel();
    m_hints->blank(backdrop());
    m_hints->blank(p);
    for (const FormKit::SurfaceDesign &g : commandGroups)
        m_hints->blank(FormKit::addSurface(p, QLatin1String(g.name), rectOf(g), Qt::white,
                                           QColor(0xA9, 0xBF, 0xD6), 6));
    m_hints->blank(FormKit::addSurface(p, QLatin1String(section.name), rectOf(section), Palette::section(),
                                       QColor(0xA9, 0xBF, 0xD6), 6));
    for (const FormKit::SurfaceDesign &f : fieldPanels)
        m_hints->blank(FormKit::addSurface(p, QLatin1String(f.name), rectOf(f), Qt::white,
                                           QColor(0xA9, 0xBF, 0xD6), 4));

    auto *figure = new EnvelopeFigure(p);
    figure->setObjectName(QLatin1String(RegistryForm::figure.name));
    figure->setGeometry(rectOf(RegistryForm::figure));
}

void FrmAnagrafica::buildBoxes()
{
    QWidget *p = panel();
    const QFont boxFont = FormKit::verdana(12, true);
    const QFont labelFont = FormKit::verdana(8);
    for (const FormKit::BoxDesign &design : RegistryForm::boxes)
        m_boxes.append(FormKit::addBox(p, design, boxFont, labelFont));
    p->setStyleSheet(FormKit::focusColouringStyle());

    addAttachmentLabels();
}

using Icon = Artwork::Icon;

const FormKit::Command<FrmAnagrafica> FrmAnagrafica::commands[] = {
    {{"cmdNuovo", 24, Icon::NewPage, nullptr}, &FrmAnagrafica::cmdNuovoClick},
    {{"cmdDuplica", 64, Icon::TwoPages, nullptr}, &FrmAnagrafica::cmdDuplicaClick},
    {{"cmdSalva", 104, Icon::Diskette, nullptr}, &FrmAnagrafica::cmdSalvaClick},
    {{"cmdTrova", 144, Icon::Magnifier, nullptr}, &FrmAnagrafica::cmdTrovaClick},
    {{"cmdFile", 200, Icon::PaperClip, nullptr, "Allega file"}, &FrmAnagrafica::cmdFileClick},
    {{"cmdStampa", 368, Icon::Printer, nullptr, "Stampa"}, &FrmAnagrafica::cmdStampaClick},
    {{"cmdPrimo", 538, Icon::First, nullptr}, &FrmAnagrafica::cmdPrimoClick},
    {{"cmdIndietro", 580, Icon::Back, nullptr}, &FrmAnagrafica::cmdIndietroClick},
    {{"cmdAvanti", 696, Icon::Forward, nullptr}, &FrmAnagrafica::cmdAvantiClick},
    {{"cmdUltimo", 738, Icon::Last, nullptr}, &FrmAnagrafica::cmdUltimoClick},
    {{"cmdEsporta", 795, Icon::Spreadsheet, nullptr}, &FrmAnagrafica::cmdEsportaClick},
    {{"cmdQuestioni", 835, Icon::WarningTriangle, "Visualizza il riepilogo delle questioni in sospeso."},
     &FrmAnagrafica::cmdQuestioniClick},
    {{"cmdGuida", 892, Icon::Help, nullptr}, &FrmAnagrafica::cmdGuidaClick},
    {{"cmdEsci", 934, Icon::Exit, nullptr}, &FrmAnagrafica::cmdEsciClick},
};

const FormKit::SmallButton<FrmAnagrafica> FrmAnagrafica::sideButtons[] = {
    {{"btnEmail", 936, 164, Icon::Envelope, "Invia una e-mail all'indirizzo indicato."},
     &FrmAnagrafica::btnEmailClick},
    {{"btnCodFisc", 936, 238, Icon::Tick, "Controlla il codice fiscale."}, &FrmAnagrafica::btnCodFiscClick},
    {{"btnPartitaIva", 244, 286, Icon::Tick, "Controlla il numero di partita IVA."},
     &FrmAnagrafica::btnPartitaIvaClick},
    {{"btnIban", 688, 286, Icon::Tick, "Controlla l'IBAN."}, &FrmAnagrafica::btnIbanClick},
    {{"btnCarta", 316, 334, Icon::Tick, "Controlla il numero di carta di credito."}, &FrmAnagrafica::btnCartaClick},
};

void FrmAnagrafica::buildCommands()
{
    FormKit::addCommands(this, panel(), m_hints, commands);
    FormKit::addSmallButtons(this, panel(), m_hints, sideButtons);
    addPositionLabel(RegistryForm::rectOf(RegistryForm::position), FormKit::verdana(10, true));
}

void FrmAnagrafica::applyInputRules()
{
    auto *rules = new InputRules(this);
    rules->followTabOrder(QList<QWidget *>(m_boxes.begin(), m_boxes.end()));
    for (const char *name : RegistryForm::oneCharacterBoxes)
        rules->oneCharacter(box(name));
    for (const char *name : RegistryForm::upperCaseBoxes)
        rules->upperCaseWhileTyping(box(name));
    rules->compactWhileTyping(box(RegistryForm::ibanBox), box(RegistryForm::ibanBox)->maxLength());
    for (const char *name : RegistryForm::trimmedBoxes)
        rules->trimWhileTyping(box(name));
    rules->digitsOnly(box(RegistryForm::digitsOnlyBox));
}

// Ties each field of the record layout to the control it names, so the
// layout is the one place that says which control holds which field.
void FrmAnagrafica::bindFields()
{
    const RecordLayout &layout = SchedaAnagrafica::layout;
    for (int i = 0; i < layout.fieldCount; ++i) {
        const QString name = QLatin1String(layout.field(i).control);
        QWidget *control = panel()->findChild<QLineEdit *>(name, Qt::FindDirectChildrenOnly);
        if (!control)
            control = panel()->findChild<QLabel *>(name, Qt::FindDirectChildrenOnly);
        if (!control)
            qFatal("frmAnagrafica: no control %s for field %s", layout.field(i).control, layout.field(i).name);
        m_fieldControls.append(control);
    }
}

QLineEdit *FrmAnagrafica::box(const char *name) const
{
    auto *found = panel()->findChild<QLineEdit *>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    Q_ASSERT(found);
    return found;
}

QString FrmAnagrafica::fieldText(int field) const
{
    QWidget *control = m_fieldControls.at(field);
    if (auto *edit = qobject_cast<QLineEdit *>(control))
        return edit->text();
    return static_cast<QLabel *>(control)->text();
}

void FrmAnagrafica::setFieldText(int field, const QString &text)
{
    QWidget *control = m_fieldControls.at(field);
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        edit->setText(text);
        edit->setCursorPosition(0);   // a long address reads from its start
    } else
        static_cast<QLabel *>(control)->setText(text);
}

void FrmAnagrafica::clearForm()
{
    for (int i = 0; i < m_fieldControls.size(); ++i)
        setFieldText(i, QString());
    setPosition(0);
    box("txtNome")->setFocus();
}

void FrmAnagrafica::showRecord(qint64 position, const QByteArray &record)
{
    const Record card(SchedaAnagrafica::layout, record);
    for (int i = 0; i < m_fieldControls.size(); ++i)
        setFieldText(i, Text::trimmed(card.field(i)));
    setPosition(position);
}

void FrmAnagrafica::showEvent(QShowEvent *event)
{
    ArchiveWindow::showEvent(event);
    // Shown from the menu: a new, empty card. Restoring a minimised window is
    // the system showing it again and must not lose what is being typed.
    if (!event->spontaneous())
        clearForm();
}

void FrmAnagrafica::cmdNuovoClick()
{
    clearForm();
}

void FrmAnagrafica::cmdDuplicaClick()
{
    duplicate();
}

void FrmAnagrafica::cmdSalvaClick()
{
    if (!FormChecks::run(this, {
            {FormChecks::filled(box("txtNome")), box("txtNome"), nameMissing()},
            {FormChecks::isSex(box("txtSesso")), box("txtSesso"), sexMissing()},
        }))
        return;

    Record card(SchedaAnagrafica::layout);
    for (int i = 0; i < m_fieldControls.size(); ++i)
        card.setField(i, Text::trimmed(fieldText(i)));

    store(card.bytes(), false);
}

void FrmAnagrafica::cmdPrimoClick() { browse(RecordBrowsing::Move::First); }
void FrmAnagrafica::cmdIndietroClick() { browse(RecordBrowsing::Move::Previous); }
void FrmAnagrafica::cmdAvantiClick() { browse(RecordBrowsing::Move::Next); }
void FrmAnagrafica::cmdUltimoClick() { browse(RecordBrowsing::Move::Last); }

void FrmAnagrafica::cmdGuidaClick()
{
    openHelp(this, HelpTopics::registry());
}

void FrmAnagrafica::cmdTrovaClick()
{
    openRegistrySearch(this);
}

void FrmAnagrafica::cmdQuestioniClick()
{
    openPendingIssues(this);
}

void FrmAnagrafica::cmdStampaClick()
{
    openCardPrint(this);
}

void FrmAnagrafica::cmdFileClick()
{
    openAttachments(this);
}

void FrmAnagrafica::cmdEsportaClick()
{
    openExport(this);
}

void FrmAnagrafica::cmdEsciClick()
{
    close();
}

// The address goes in as the link's path, so that a '?' or '&' in what was
// typed cannot add headers or attachments to the message.
void FrmAnagrafica::btnEmailClick()
{
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(Text::trimmed(box("txtEmail")->text()));
    dialogs().openUrl(url);
}

// A fiscal code of digits only is a company's VAT number: the opener sends
// it to the VAT check instead. The card's birth date and sex go along, for
// the check to hold them against the code.
void FrmAnagrafica::btnCodFiscClick()
{
    openFiscalCodeCheck(this, Text::trimmed(box("txtCodFisc")->text()),
                        {box("txtDataNasc")->text(), box("txtSesso")->text()});
}

void FrmAnagrafica::btnPartitaIvaClick()
{
    openVatCheck(this, Text::trimmed(box("txtPartitaIva")->text()));
}

void FrmAnagrafica::btnIbanClick()
{
    openIbanCheck(this, Text::trimmed(box("txtIban")->text()));
}

void FrmAnagrafica::btnCartaClick()
{
    openCardCheck(this, Text::trimmed(box("txtCarta")->text()));
}
