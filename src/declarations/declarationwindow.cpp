#include "declarations/declarationwindow.h"

#include "declarations/declarationform.h"
#include "declarations/declarationpictures.h"
#include "declarations/declarationtextbox.h"
#include "storage/text.h"
#include "declarations/placeofissue.h"
#include "ui/archivemessages.h"
#include "ui/backdrop.h"
#include "ui/drawnpicture.h"
#include "ui/inputrules.h"
#include "ui/picturebutton.h"
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
    QWidget *p = panel();
    m_status = FormKit::addStatusBar(p, statusBar);
    m_status->setText(ArchiveMessages::readyStatus());
    m_hints = new StatusHints(m_status, this);
    m_hints->blank(this);
    m_hints->blank(backdrop());
    m_hints->blank(p);

    for (int i = 0; i < 6; ++i)
        m_hints->blank(FormKit::addSurface(p, QStringLiteral("shpComandi%1").arg(i + 1), commandGroups[i],
                                           white, QColor(0x9F, 0xB6, 0xCD), 4));
    m_hints->blank(FormKit::addSurface(p, QStringLiteral("shpSezione"), section, Palette::section()));
    m_hints->blank(FormKit::addSurface(p, QStringLiteral("shpFoglio"), sheet, white));

    const QString title = QString::fromUtf8(m_kind.headingTitle);
    const QString law = QString::fromUtf8(m_kind.headingLaw);
    new DrawnPicture(QStringLiteral("imgIntestazione"), heading,
                     [title, law](QPainter &painter, const QRectF &r) {
                         DeclarationPictures::paintHeading(painter, r, title, law);
                     },
                     p);
    m_hints->blank(FormKit::addSurface(p, QStringLiteral("shpCampi"), fieldArea, fieldColour));
    FormKit::addSurface(p, QStringLiteral("shpLuogoData"), placeAndDate, fieldColour);
    new DrawnPicture(QStringLiteral("imgFirma"), signature, &DeclarationPictures::paintSignature, p);
    new DrawnPicture(QStringLiteral("imgDichiara"), declares, &DeclarationPictures::paintDeclares, p);
    m_hints->blank(FormKit::addSurface(p, QStringLiteral("shpConsegnata"), deliveredBackground, sandyBrown,
                                       QColor(0xC0, 0x7A, 0x3A), 3));
}

void DeclarationWindow::buildCommands()
{
    using namespace DeclarationForm;
    QWidget *p = panel();
    using Move = RecordBrowsing::Move;
    const QHash<QString, std::function<void()>> actions = {
        {QStringLiteral("cmdNuovo"), [this] { newDeclaration(); }},
        {QStringLiteral("cmdDuplica"), [this] { duplicate(); }},
        {QStringLiteral("cmdSalva"), [this] { save(); }},
        {QStringLiteral("cmdTrova"), [this] { find(); }},
        {QStringLiteral("cmdFile"), [this] { attach(); }},
        {QStringLiteral("cmdPrimo"), [this] { browse(Move::First); }},
        {QStringLiteral("cmdIndietro"), [this] { browse(Move::Previous); }},
        {QStringLiteral("cmdAvanti"), [this] { browse(Move::Next); }},
        {QStringLiteral("cmdUltimo"), [this] { browse(Move::Last); }},
        {QStringLiteral("cmdEsporta"), [this] { exportArchive(); }},
        {QStringLiteral("cmdDaConsegnare"), [this] { undelivered(); }},
        {QStringLiteral("cmdGuida"), [this] { help(); }},
    };
    for (const FormKit::CommandDesign &design : commands) {
        PictureButton *button = FormKit::addCommand(p, m_hints, design);
        const QString name = button->objectName();
        if (name == QLatin1String("cmdDaConsegnare"))
            m_hints->hint(button, QString::fromUtf8(m_kind.undeliveredHint));
        if (name == QLatin1String("cmdEsci"))
            connect(button, &QAbstractButton::clicked, this, &QWidget::close);
        else if (name == QLatin1String("cmdAnteprima"))
            connect(button, &QAbstractButton::clicked, this, [this] { print(true); });
        else if (name == QLatin1String("cmdStampa"))
            connect(button, &QAbstractButton::clicked, this, [this] { print(false); });
        else
            connect(button, &QAbstractButton::clicked, this, actions.value(name));
    }

    addPositionLabel(positionGeometry, FormKit::verdana(12, true));

    for (const SmallButton &design : smallButtons) {
        auto *button = new PictureButton(QLatin1String(design.control), design.icon, p);
        button->setGeometry(design.x, design.y, 22, 22);
        m_hints->hint(button, QString::fromUtf8(design.hint));
    }
    connect(p->findChild<PictureButton *>(QStringLiteral("impPersona")), &QAbstractButton::clicked, this,
            &DeclarationWindow::importPerson);
    connect(p->findChild<PictureButton *>(QStringLiteral("btnCodFisc")), &QAbstractButton::clicked, this,
            &DeclarationWindow::checkFiscalCode);
    connect(p->findChild<PictureButton *>(QStringLiteral("impOggi")), &QAbstractButton::clicked, this,
            &DeclarationWindow::today);
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
    auto widget = [p](const char *name) { return p->findChild<QWidget *>(QLatin1String(name)); };

    for (int i = 1; i < int(std::size(tabOrder)); ++i)
        QWidget::setTabOrder(widget(tabOrder[i - 1]), widget(tabOrder[i]));

    m_rules = new InputRules(this);
    for (const Pair &pair : enterChain)
        m_rules->enterMovesTo(widget(pair.from), widget(pair.to));
    for (const char *name : oneCharacterBoxes)
        m_rules->oneCharacter(box(name));
    for (const char *name : upperCaseBoxes)
        m_rules->upperCaseWhileTyping(box(name));
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
        else if (m_boxes[i])
            m_boxes[i]->setText(Text::trimmed(raw));
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
    for (int i = 0; i <= SchedaDichiarazione::Tel; ++i)
        m_boxes[i]->setText(values.value(i));
}

void DeclarationWindow::showEvent(QShowEvent *event)
{
    // Only when the menu shows the window, not when the desktop restores it.
    if (!event->spontaneous()) {
        box("txtLuogo")->setText(PlaceOfIssue::read());
        newDeclaration();
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
