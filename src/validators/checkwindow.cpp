#include "validators/checkwindow.h"

#include "core/storage/text.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/inputrules.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int margin = 12;
constexpr int buttonWidth = 110;
constexpr int buttonHeight = 30;

QFont boxFont()
{
    QFont font(QStringLiteral("Courier New"), 20, QFont::Bold);
    font.setStyleHint(QFont::Monospace);
    return font;
}

int leadingBlanks(const QString &text)
{
    int n = 0;
    while (n < text.size() && text[n].unicode() <= 32)
        ++n;
    return n;
}

} // namespace

CheckWindow::CheckWindow(const Design &design, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_upperTrimmedTyping(design.upperTrimmedTyping),
      m_digitKeysOnly(design.digitKeysOnly),
      m_maxLength(design.maxLength)
{
    setObjectName(QLatin1String(design.name));
    setWindowTitle(design.caption);
    setFixedSize(design.size);

    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), design.size);
    const int width = design.size.width();

    m_logo = new QLabel(panel);
    m_logo->setObjectName(QStringLiteral("imgLogo"));
    m_logo->setPixmap(design.banner);
    m_logo->setGeometry((width - design.banner.width()) / 2, margin,
                        design.banner.width(), design.banner.height());

    m_prompt = new QLabel(design.prompt, panel);
    m_prompt->setObjectName(QStringLiteral("lblTitolo"));
    m_prompt->setFont(QFont(QStringLiteral("Arial"), 12));
    m_prompt->setAlignment(Qt::AlignCenter);
    m_prompt->setWordWrap(true);
    // A prompt too long for one line is wrapped into lines of even length.
    const int room = width - 2 * margin;
    const int oneLine = QFontMetrics(m_prompt->font()).horizontalAdvance(design.prompt) + 8;
    const int lines = (oneLine + room - 1) / room;
    const int promptWidth = lines > 1 ? qMin(room, oneLine / lines + 40) : room;
    const int promptTop = m_logo->geometry().bottom() + 1 + 8;
    m_prompt->setGeometry((width - promptWidth) / 2, promptTop, promptWidth,
                          m_prompt->heightForWidth(promptWidth));

    m_box = new QLineEdit(panel);
    m_box->setObjectName(QLatin1String(design.boxName));
    m_box->setFont(boxFont());
    m_box->setMaxLength(design.maxLength);
    m_box->setAlignment(Qt::AlignCenter);
    const QFontMetrics metrics(m_box->font());
    const int boxWidth = qMin(width - 2 * margin,
                              metrics.horizontalAdvance(QLatin1Char('W')) * design.maxLength + 28);
    const int boxHeight = metrics.height() + 12;

    m_check = new QPushButton(QStringLiteral("Controlla"), panel);
    m_check->setObjectName(QStringLiteral("btnControlla"));
    m_close = new QPushButton(QStringLiteral("Chiudi"), panel);
    m_close->setObjectName(QStringLiteral("btnChiudi"));

    // Box and buttons share the room left under the prompt evenly.
    const int top = m_prompt->geometry().bottom() + 1;
    const int gap = qMax(6, (design.size.height() - top - boxHeight - buttonHeight) / 3);
    m_box->setGeometry((width - boxWidth) / 2, top + gap, boxWidth, boxHeight);
    const int buttonTop = m_box->geometry().bottom() + 1 + gap;
    m_check->setGeometry(width / 2 - buttonWidth - 6, buttonTop, buttonWidth, buttonHeight);
    m_close->setGeometry(width / 2 + 6, buttonTop, buttonWidth, buttonHeight);

    setTabOrder(m_box, m_check);
    setTabOrder(m_check, m_close);
    m_box->setFocus();

    m_box->installEventFilter(this);
    connect(m_box, &QLineEdit::textEdited, this, &CheckWindow::txtChange);
    connect(m_check, &QPushButton::clicked, this, &CheckWindow::btnControllaClick);
    connect(m_close, &QPushButton::clicked, this, &QDialog::reject);
}

void CheckWindow::setCode(const QString &text)
{
    // The limit is for typing: a longer text from the caller stays whole, so
    // that the check warns about its length instead of judging a cut-off code.
    m_box->setMaxLength(qMax(m_compactTyping ? 2 * m_maxLength : m_maxLength, int(text.size())));
    m_box->setText(text);
}

void CheckWindow::refuse(const QString &warning)
{
    warn(this, warning);
    m_box->setFocus();
}

void CheckWindow::valid(const QString &text)
{
    inform(this, text);
    accept();
}

void CheckWindow::wrong(const QString &text)
{
    warn(this, text);
    accept();
}

bool CheckWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_box && event->type() == QEvent::KeyPress)
        return boxKeyPress(static_cast<QKeyEvent *>(event));
    return QDialog::eventFilter(watched, event);
}

// True when the key is consumed here and must not reach the box.
bool CheckWindow::boxKeyPress(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_check->setFocus();   // Enter only leads to the button; the check waits for it
        return true;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return false;
    default:
        break;
    }
    if (!m_digitKeysOnly)
        return false;
    const QString typed = event->text();
    const bool digit = typed.size() == 1 && typed[0].unicode() >= '0' && typed[0].unicode() <= '9'
                       && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    return !digit;
}

void CheckWindow::dropBlanksBeforeLimit()
{
    m_compactTyping = true;
    m_box->setMaxLength(2 * m_maxLength);   // room for the blanks of the printed groups
}

void CheckWindow::txtChange(const QString &typed)
{
    if (m_compactTyping) {
        replaceKeepingCaret(m_box, Text::compactCode(typed, m_maxLength));
        return;
    }
    if (m_upperTrimmedTyping) {
        const QString clean = Text::upperAz(Text::trimmed(typed));
        if (clean != typed) {
            const int cursor = m_box->cursorPosition() - leadingBlanks(typed);
            m_box->setText(clean);
            m_box->setCursorPosition(qBound(0, cursor, int(clean.size())));
        }
    }
    // Back to the typing limit once a long text from the caller fits it.
    if (m_box->maxLength() > m_maxLength && m_box->text().size() <= m_maxLength)
        m_box->setMaxLength(m_maxLength);
}

void CheckWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    m_box->setFocus();
}
