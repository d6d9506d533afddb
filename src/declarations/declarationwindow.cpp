#include "declarations/declarationwindow.h"

#include "core/declarations/placeofissue.h"
#include "core/storage/text.h"
#include "declarations/declarationform.h"
#include "declarations/declarationpictures.h"
#include "declarations/declarationtextbox.h"
#include "ui/archivemessages.h"
#include "ui/backdrop.h"
#include "ui/drawnpicture.h"
#include "ui/inputrules.h"
#include "ui/statushints.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QShowEvent>

namespace {
const QColor white(Qt::white);
const QColor fieldColour(0xDD, 0xE6, 0xEE);
const QColor sandyBrown(0xF4, 0xA4, 0x60);
}

DeclarationWindow::DeclarationWindow(DeclarationKind::Id kind, QWidget *parent)
    : ArchiveWindow(QString::fromLatin1(DeclarationKind::of(kind).objectName),
                    QString::fromUtf8(DeclarationKind::of(kind).caption),
                    QString::fromLatin1(DeclarationKind::of(kind).tag),
                    QString::fromLatin1(DeclarationKind::of(kind).archive), SchedaDichiarazione::Size, parent),
      m_kind(DeclarationKind::of(kind))
{
    buildSurfaces();
    buildCommands();
    buildFields();
    buildKeyboard();
    buildFormulas();

    // Every field of the record has its control; find them once by name.
    const RecordLayout &layout = SchedaDichiarazione::layout;
    for (int i = 0; i < layout.fieldCount; ++i) {
        const QString control = QLatin1String(layout.field(i).control);
        m_boxes[i] = panel()->findChild<QLineEdit *>(control);
        m_attachments[i] = panel()->findChild<QLabel *>(control);
    }
}

void DeclarationWindow::buildSurfaces()
{
    using namespace DeclarationForm;
    using FormKit::rectOf;
    QWidget *p = panel();
    m_status = FormKit::addStatusBar(p, rectOf(statusBar));
    m_status->setText(ArchiveMessages::readyStatus());
    m_hints = new StatusHints(m_status, this);
    m_hints->blank(this);
    m_hints->blank(backdrop());
    m_hints->blank(p);

    auto surface = [p](const SurfaceDesign &s, const QColor &fill, const QColor &stroke = QColor(), int radius = 0) {
        return FormKit::addSurface(p, QLatin1String(s.name), rectOf(s), fill, stroke, radius);
    };
    for (const SurfaceDesign &group : commandGroups)
        m_hints->blank(surface(group, white, QColor(0x9F, 0xB6, 0xCD), 4));
    m_hints->blank(surface(section, Palette::section()));
    m_hints->blank(surface(sheet, white));

    const QString title = QString::fromUtf8(m_kind.headingTitle);
    const QString law = QString::fromUtf8(m_kind.headingLaw);
    new DrawnPicture(QLatin1String(heading.name), rectOf(heading),
                     [title, law](QPainter &painter, const QRectF &r) {
                         DeclarationPictures::paintHeading(painter, r, title, law);
                     },
                     p);
    m_hints->blank(surface(fieldArea, fieldColour));
    surface(placeAndDate, fieldColour);
    new DrawnPicture(QLatin1String(signature.name), rectOf(signature), &DeclarationPictures::paintSignature, p);
    new DrawnPicture(QLatin1String(declares.name), rectOf(declares), &DeclarationPictures::paintDeclares, p);
    m_hints->blank(surface(deliveredBackground, sandyBrown, QColor(0xC0, 0x7A, 0x3A), 3));
}

using Icon = Artwork::Icon;

const FormKit::Command<DeclarationWindow> DeclarationWindow::commands[] = {
    {{"cmdNuovo", 24, Icon::NewPage, nullptr}, &DeclarationWindow::cmdNuovoClick},
    {{"cmdDuplica", 64, Icon::TwoPages, nullptr}, &DeclarationWindow::cmdDuplicaClick},
    {{"cmdSalva", 104, Icon::Diskette, nullptr}, &DeclarationWindow::cmdSalvaClick},
    {{"cmdTrova", 144, Icon::Magnifier, nullptr}, &DeclarationWindow::cmdTrovaClick},
    {{"cmdFile", 200, Icon::PaperClip, nullptr, "Allega file"}, &DeclarationWindow::cmdFileClick},
    {{"cmdAnteprima", 366, Icon::Preview, "Visualizza l'anteprima di stampa della scheda corrente."},
     &DeclarationWindow::cmdAnteprimaClick},
    {{"cmdStampa", 406, Icon::Printer, nullptr, "Stampa"}, &DeclarationWindow::cmdStampaClick},
    {{"cmdPrimo", 574, Icon::First, nullptr}, &DeclarationWindow::cmdPrimoClick},
    {{"cmdIndietro", 616, Icon::Back, nullptr}, &DeclarationWindow::cmdIndietroClick},
    {{"cmdAvanti", 696, Icon::Forward, nullptr}, &DeclarationWindow::cmdAvantiClick},
    {{"cmdUltimo", 738, Icon::Last, nullptr}, &DeclarationWindow::cmdUltimoClick},
    {{"cmdEsporta", 795, Icon::Spreadsheet, nullptr}, &DeclarationWindow::cmdEsportaClick},
    // Its hint names the kind of declaration; set with the kind.
    {{"cmdDaConsegnare", 835, Icon::WarningTriangle, nullptr}, &DeclarationWindow::cmdDaConsegnareClick},
    {{"cmdGuida", 892, Icon::Help, nullptr}, &DeclarationWindow::cmdGuidaClick},
    {{"cmdEsci", 934, Icon::Exit, nullptr}, &DeclarationWindow::cmdEsciClick},
};

const FormKit::SmallButton<DeclarationWindow> DeclarationWindow::smallButtons[] = {
    {{"impPersona", 404, 182, Icon::ArrowLeft, "Importa i dati dall'archivio anagrafico."},
     &DeclarationWindow::impPersonaClick},
    {{"btnCodFisc", 260, 230, Icon::Tick, "Controlla il codice fiscale."}, &DeclarationWindow::btnCodFiscClick},
    {{"impOggi", 508, 585, Icon::ArrowLeft, "Inserisci la data corrente."}, &DeclarationWindow::impOggiClick},
};

void DeclarationWindow::buildCommands()
{
    QWidget *p = panel();
    FormKit::addCommands(this, p, m_hints, commands);
    FormKit::addSmallButtons(this, p, m_hints, smallButtons);
    m_hints->hint(p->findChild<QWidget *>(QStringLiteral("cmdDaConsegnare")),
                  QString::fromUtf8(m_kind.undeliveredHint));
    addPositionLabel(FormKit::rectOf(DeclarationForm::position), FormKit::verdana(12, true));
}

void DeclarationWindow::buildFields()
{
    using namespace DeclarationForm;
    QWidget *p = panel();
    const QFont boxFont = FormKit::verdana(12, true);
    const QFont labelFont = FormKit::verdana(9);
    for (const FormKit::BoxDesign &design : boxes)
        FormKit::addBox(p, design, boxFont, labelFont);
    for (const SideLabel &side : sideLabels) {
        auto *label = new QLabel(QString::fromUtf8(side.text), p);
        label->setObjectName(QStringLiteral("lbl") + QString::fromUtf8(side.text).chopped(1));
        label->setFont(FormKit::verdana(10, true));
        label->move(side.x, side.y);
        label->adjustSize();
    }

    m_text = new QPlainTextEdit(p);
    m_text->setObjectName(QStringLiteral("txtDichiarazione"));
    m_text->setGeometry(textGeometry);
    m_text->setFont(FormKit::verdana(11));
    m_text->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text->setTabChangesFocus(true);
    DeclarationTextBox::limitRecordBytes(m_text);

    m_delivered = new QCheckBox(QStringLiteral("Consegnata"), p);
    m_delivered->setObjectName(QStringLiteral("chkConsegnata"));
    m_delivered->setGeometry(deliveredGeometry);
    m_delivered->setFont(FormKit::verdana(10, true));
    m_hints->hint(m_delivered, QString::fromUtf8(m_kind.deliveredHint));

    addAttachmentLabels();
}

void DeclarationWindow::buildKeyboard()
{
    using namespace DeclarationForm;
    QWidget *p = panel();
    QList<QWidget *> order;
    for (const char *name : tabOrder)
        order.append(p->findChild<QWidget *>(QLatin1String(name)));

    auto *rules = new InputRules(this);
    rules->followTabOrder(order);
    for (const char *name : oneCharacterBoxes)
        rules->oneCharacter(box(name));
    for (const char *name : upperCaseBoxes)
        rules->upperCaseWhileTyping(box(name));
}

QLineEdit *DeclarationWindow::box(const char *control) const
{
    return panel()->findChild<QLineEdit *>(QLatin1String(control));
}

void DeclarationWindow::showRecord(qint64 position, const QByteArray &bytes)
{
    const Record record(SchedaDichiarazione::layout, bytes);
    for (int i = 0; i < SchedaDichiarazione::FieldCount; ++i) {
        const QString raw = record.field(i);
        if (i == SchedaDichiarazione::Dichiarazione)
            m_text->setPlainText(DeclarationText::fromRecord(raw));
        else if (i == SchedaDichiarazione::Consegnata)
            // Delivered exactly when the flag reads "OK", as everywhere else.
            m_delivered->setChecked(Text::trimmed(raw) == QLatin1String("OK"));
        else if (m_boxes[i]) {
            m_boxes[i]->setText(Text::trimmed(raw));
            m_boxes[i]->setCursorPosition(0);   // a long address reads from its start
        }
        else if (m_attachments[i])
            m_attachments[i]->setText(Text::trimmed(raw));
    }
    setPosition(position);
}

QStringList DeclarationWindow::personalDataControls()
{
    QStringList controls;
    for (int i = 0; i <= SchedaDichiarazione::Tel; ++i)
        controls << QLatin1String(SchedaDichiarazione::layout.field(i).control);
    return controls;
}

void DeclarationWindow::fillPersonalData(const QStringList &values)
{
    for (int i = 0; i <= SchedaDichiarazione::Tel; ++i) {
        m_boxes[i]->setText(values.value(i));
        m_boxes[i]->setCursorPosition(0);
    }
}

void DeclarationWindow::fillPersonalData(const Record &card)
{
    QStringList values;
    for (const QString &control : personalDataControls())
        values.append(Text::trimmed(card.field(control)));
    fillPersonalData(values);
}

QString DeclarationWindow::controlText(const QString &name) const
{
    if (name == m_text->objectName())
        return DeclarationTextBox::text(m_text);
    return ArchiveWindow::controlText(name);
}

void DeclarationWindow::showEvent(QShowEvent *event)
{
    // Only when the menu shows the window, not when the desktop restores it.
    if (!event->spontaneous()) {
        box("txtLuogo")->setText(PlaceOfIssue::read());
        cmdNuovoClick();
    }
    ArchiveWindow::showEvent(event);
}

void DeclarationWindow::closeEvent(QCloseEvent *event)
{
    // Nobody is told when the settings file cannot be written: the window
    // still goes back to the menu.
    PlaceOfIssue::write(Text::trimmed(box("txtLuogo")->text()));
    ArchiveWindow::closeEvent(event);
}
