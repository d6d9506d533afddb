#include "setup/frmcartella.h"

#include "core/install/datafolder.h"
#include "ui/backdrop.h"
#include "ui/dialogs.h"
#include "ui/formkit.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {
QLabel *label(const QString &text, const char *name, const QRect &geometry, QWidget *panel)
{
    auto *l = new QLabel(text, panel);
    l->setObjectName(QLatin1String(name));
    l->setFont(FormKit::verdana(9));
    l->setWordWrap(true);
    l->setGeometry(geometry);
    return l;
}

QPushButton *button(const QString &text, const char *name, const QRect &geometry, QWidget *panel)
{
    auto *b = new QPushButton(text, panel);
    b->setObjectName(QLatin1String(name));
    b->setFont(FormKit::verdana(9));
    b->setGeometry(geometry);
    return b;
}
}

FrmCartella::FrmCartella(const QString &offered, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmCartella"));
    setWindowTitle(QStringLiteral(" Cartella degli archivi"));
    setFixedSize(540, 330);

    QWidget *panel = Backdrop::fill(this, Palette::steelBlue(), QSize(512, 302));
    auto *title = label(QStringLiteral("Dove vuoi tenere gli archivi?"), "lblTitolo", QRect(16, 14, 480, 24), panel);
    title->setFont(FormKit::verdana(12, true));
    label(QStringLiteral("Qui il programma terrà l'archivio anagrafico, le dichiarazioni, i documenti "
                         "allegati e la password. La scelta vale per questo utente."),
          "lblSpiega", QRect(16, 42, 480, 36), panel);

    m_personal = new QRadioButton(QStringLiteral("Nella cartella personale"), panel);
    m_personal->setObjectName(QStringLiteral("optPersonale"));
    m_personal->setFont(FormKit::verdana(9, true));
    m_personal->setGeometry(16, 90, 480, 22);
    label(QDir::toNativeSeparators(DataFolder::personal()), "lblPersonale", QRect(38, 112, 458, 20), panel)
            ->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_other = new QRadioButton(QStringLiteral("In un'altra cartella, per esempio una cartella condivisa in rete"),
                               panel);
    m_other->setObjectName(QStringLiteral("optAltra"));
    m_other->setFont(FormKit::verdana(9, true));
    m_other->setGeometry(16, 146, 480, 22);
    m_path = new QLineEdit(QDir::toNativeSeparators(offered), panel);
    m_path->setObjectName(QStringLiteral("txtCartella"));
    m_path->setFont(FormKit::verdana(9));
    m_path->setGeometry(38, 174, 362, 24);
    auto *browseButton = button(QStringLiteral("Sfoglia..."), "cmdSfoglia", QRect(408, 172, 88, 28), panel);

    auto *exit = button(QStringLiteral("Esci"), "cmdEsci", QRect(16, 250, 146, 32), panel);
    auto *ok = button(QStringLiteral("OK"), "cmdOK", QRect(350, 250, 146, 32), panel);
    ok->setDefault(true);

    (offered.isEmpty() ? m_personal : m_other)->setChecked(true);
    setTabOrder(m_personal, m_other);
    setTabOrder(m_other, m_path);
    setTabOrder(m_path, browseButton);
    setTabOrder(browseButton, exit);
    setTabOrder(exit, ok);

    // Typing a folder means choosing "another folder".
    connect(m_path, &QLineEdit::textEdited, m_other, [this] { m_other->setChecked(true); });
    connect(browseButton, &QPushButton::clicked, this, &FrmCartella::browse);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    connect(ok, &QPushButton::clicked, this, &FrmCartella::confirm);
}

void FrmCartella::browse()
{
    const QString start = m_path->text().trimmed().isEmpty() ? QDir::homePath() : m_path->text().trimmed();
    const QString chosen = dialogs().existingFolder(this, QStringLiteral(" Scegli la cartella degli archivi"), start);
    if (chosen.isEmpty())
        return;
    m_path->setText(QDir::toNativeSeparators(chosen));
    m_other->setChecked(true);
}

void FrmCartella::confirm()
{
    QString chosen = DataFolder::personal();
    if (m_other->isChecked()) {
        chosen = QDir::cleanPath(QDir::fromNativeSeparators(m_path->text().trimmed()));
        if (m_path->text().trimmed().isEmpty() || !QDir::isAbsolutePath(chosen)) {
            notice(this, Dialogs::Kind::Warning,
                   QStringLiteral("Attenzione: scrivi il percorso completo della cartella o sceglila con Sfoglia."));
            m_path->setFocus();
            return;
        }
    }
    const DataFolder::Problem problem = DataFolder::prepare(chosen);
    if (problem != DataFolder::Problem::None) {
        notice(this, Dialogs::Kind::Error, DataFolder::problemText(problem, chosen));
        return;
    }
    DataFolder::remember(chosen);
    m_folder = chosen;
    accept();
}
