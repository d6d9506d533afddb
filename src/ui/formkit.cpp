#include "ui/formkit.h"

#include "ui/cp1252validator.h"
#include "ui/picturebutton.h"
#include "ui/statushints.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace {
class Surface : public QWidget
{
public:
    Surface(const QColor &fill, const QColor &stroke, int radius, QWidget *parent)
        : QWidget(parent), m_fill(fill), m_stroke(stroke), m_radius(radius)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.setBrush(m_fill);
        p.setPen(m_stroke.isValid() ? QPen(m_stroke, 1) : Qt::NoPen);
        p.drawRoundedRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5), m_radius, m_radius);
    }

private:
    QColor m_fill, m_stroke;
    int m_radius;
};
}

namespace {
struct SharedHint
{
    const char *control;
    const char *hint;
};

// What the status bar says of the commands every archive window has.
constexpr SharedHint sharedHints[] = {
    {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
    {"cmdDuplica", "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
    {"cmdSalva", "Salva la scheda corrente in archivio."},
    {"cmdTrova", "Trova una scheda in archivio."},
    {"cmdFile", "Allega file alla scheda corrente."},
    {"cmdStampa", "Stampa la scheda corrente."},
    {"cmdPrimo", "Visualizza la prima scheda in archivio."},
    {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
    {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
    {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
    {"cmdEsporta", "Esporta l'archivio in un file di Microsoft Excel."},
    {"cmdGuida", "Visualizza la pagina della guida in linea sensibile al contesto."},
    {"cmdEsci", "Esci da questa schermata di lavoro."},
};
}

const char *FormKit::sharedHint(const char *control)
{
    for (const SharedHint &shared : sharedHints)
        if (qstrcmp(shared.control, control) == 0)
            return shared.hint;
    return nullptr;
}

QFont FormKit::verdana(int pointSize, bool bold)
{
    QFont f(QStringLiteral("Verdana"));
    f.setPointSize(pointSize);
    f.setBold(bold);
    return f;
}

QFont FormKit::fontOf(const FontDesign &font)
{
    if (!font.family)
        return verdana(font.points, font.bold);
    QFont f(QLatin1String(font.family), font.points);
    f.setBold(font.bold);
    return f;
}

QLineEdit *FormKit::addBox(QWidget *panel, const BoxDesign &design, const QFont &boxFont, const QFont &labelFont)
{
    auto *box = new QLineEdit(panel);
    box->setObjectName(QLatin1String(design.control));
    box->setGeometry(design.x, design.y, design.width, 22);
    box->setFont(boxFont);
    box->setMaxLength(design.maxLength);
    box->setValidator(new Cp1252Validator(box));
    if (design.centred)
        box->setAlignment(Qt::AlignCenter);
    if (design.label) {
        auto *label = new QLabel(QString::fromUtf8(design.label), panel);
        label->setObjectName(QStringLiteral("lbl") + box->objectName().mid(3));
        label->setFont(labelFont);
        label->move(design.x, design.y - 18);
        label->adjustSize();
        label->setBuddy(box);
    }
    return box;
}

PictureButton *FormKit::addCommand(QWidget *panel, StatusHints *hints, const CommandDesign &design)
{
    const QString name = QLatin1String(design.control);
    PictureButton *button = design.caption
        ? new PictureButton(name, design.icon, QString::fromUtf8(design.caption), panel)
        : new PictureButton(name, design.icon, panel);
    if (design.caption)
        button->setGeometry(design.x, 28, 148, 32);
    else
        button->setGeometry(design.x, 26, 37, 39);
    const char *hint = design.hint ? design.hint : sharedHint(design.control);
    if (hints && hint)
        hints->hint(button, QString::fromUtf8(hint));
    button->setToolTip(QString());
    return button;
}

PictureButton *FormKit::addSmallButton(QWidget *panel, StatusHints *hints, const SmallButtonDesign &design)
{
    auto *button = new PictureButton(QLatin1String(design.control), design.icon, panel);
    button->setGeometry(design.x, design.y, 22, 22);
    if (hints)
        hints->hint(button, QString::fromUtf8(design.hint));
    return button;
}

QWidget *FormKit::addSurface(QWidget *panel, const QString &name, const QRect &geometry, const QColor &fill,
                             const QColor &stroke, int radius)
{
    auto *surface = new Surface(fill, stroke, radius, panel);
    surface->setObjectName(name);
    surface->setGeometry(geometry);
    return surface;
}

QLabel *FormKit::addStatusBar(QWidget *panel, const QRect &geometry, const QColor &fill, int inset)
{
    QWidget *bar = addSurface(panel, QStringLiteral("shpStato"), geometry, fill);
    auto *text = new QLabel(bar);
    text->setObjectName(QStringLiteral("panInfo"));
    QFont f(QStringLiteral("Tahoma"));
    f.setPointSize(12);
    text->setFont(f);
    text->setStyleSheet(QStringLiteral("color: white;"));
    text->setGeometry(inset, 0, geometry.width() - 2 * inset, geometry.height());
    text->setAlignment(Qt::AlignVCenter | Qt::AlignLeft);
    text->setAttribute(Qt::WA_TransparentForMouseEvents);
    return text;
}

QPushButton *FormKit::addButton(QWidget *panel, const ButtonDesign &design)
{
    auto *button = new QPushButton(panel);
    button->setObjectName(QLatin1String(design.control));
    if (design.text)
        button->setText(QString::fromUtf8(design.text));
    if (design.font.points > 0)
        button->setFont(fontOf(design.font));
    button->setGeometry(rectOf(design));
    return button;
}

QLabel *FormKit::addLabel(QWidget *panel, const LabelDesign &design)
{
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(design.control));
    if (design.text)
        label->setText(QString::fromUtf8(design.text));
    label->setFont(fontOf(design.font));
    if (design.colour)
        label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(design.colour)));
    if (design.alignment)
        label->setAlignment(design.alignment);
    label->setWordWrap(design.wordWrap);
    if (design.width > 0) {
        label->setGeometry(design.x, design.y, design.width, design.height);
    } else {
        label->move(design.x, design.y);
        label->adjustSize();
    }
    return label;
}

QLabel *FormKit::addHiddenLabel(QWidget *panel, const char *name)
{
    auto *label = new QLabel(panel);
    label->setObjectName(QLatin1String(name));
    label->hide();
    return label;
}

QString FormKit::focusColouringStyle()
{
    return QStringLiteral("QLineEdit { background: #F0F8FF; border: 1px solid #87CEEB; padding: 0px 2px; }"
                          "QLineEdit:focus { background: #FFFF00; }");
}
