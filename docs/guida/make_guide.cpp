// Builds Guida.pdf: photographs the program's windows offscreen, puts them
// into the guide's HTML and prints it on numbered A4 pages.
//   make_guide guida.html <folder for the pictures> Guida.pdf
#include "access/passwordwindow.h"
#include "app/mainmenu.h"
#include "attachments/attachmentswindow.h"
#include "core/help/helptopics.h"
#include "core/output/exportarchives.h"
#include "core/storage/programfolder.h"
#include "declarations/declarationwindow.h"
#include "declarations/formulaswindow.h"
#include "help/frmguida.h"
#include "help/frminfo.h"
#include "help/frmsplash.h"
#include "output/exportwindow.h"
#include "registry/frmanagrafica.h"
#include "validators/frmcodfisc.h"
#include "validators/frmiban.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QLocale>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <QTextDocument>
#include <functional>
#include <memory>

namespace {

void fill(QWidget *w, const char *box, const QString &text)
{
    if (auto *edit = w->findChild<QLineEdit *>(QLatin1String(box)))
        edit->setText(text);
}

// The example person of every picture, box by box.
const std::pair<const char *, const char *> examplePerson[] = {
    {"txtNome", "ROSSI MARIA"}, {"txtIndirizzo", "VIA GARIBALDI"}, {"txtNum", "12"}, {"txtLocalita", "ROMA"},
    {"txtDataNasc", "14/05/1980"}, {"txtSesso", "F"}, {"txtLuogoNasc", "NAPOLI"},
    {"txtCodFisc", "RSSMRA80E54F839X"}, {"txtTel", "06 1234567"}, {"txtCap01", "0"}, {"txtCap02", "0"},
    {"txtCap03", "1"}, {"txtCap04", "4"}, {"txtCap05", "4"}, {"txtProv01", "R"}, {"txtProv02", "M"},
    {"txtCittadinanza", "ITALIANA"},
};

Formulas::Declarant exampleDeclarant()
{
    Formulas::Declarant declarant;
    for (const auto &[box, value] : examplePerson)
        declarant.insert(QLatin1String(box), QString::fromUtf8(value));
    return declarant;
}

// The windows pictured in the guide: the picture's name in guida.html and
// how to make the window. Add a row to picture one more window.
struct Shot
{
    const char *file;
    std::function<std::unique_ptr<QWidget>()> make;
    QSize size;   // the design size for the windows that open maximised
};

std::vector<Shot> shots()
{
    return {
        {"login.png", [] { return std::unique_ptr<QWidget>(new PasswordWindow); }, {}},
        {"menu.png", [] { return std::unique_ptr<QWidget>(new MainMenu); }, QSize(1016, 713)},
        {"anagrafica.png",
         [] {
             auto w = std::make_unique<FrmAnagrafica>();
             return std::unique_ptr<QWidget>(std::move(w));
         },
         QSize(1016, 713)},
        {"certificazioni.png",
         [] { return std::unique_ptr<QWidget>(new DeclarationWindow(DeclarationKind::SelfCertification)); },
         QSize(1016, 713)},
        {"atti.png", [] { return std::unique_ptr<QWidget>(new DeclarationWindow(DeclarationKind::Notoriety)); },
         QSize(1016, 713)},
        {"codfisc.png", [] { return std::unique_ptr<QWidget>(new FrmCodFisc); }, {}},
        {"iban.png", [] { return std::unique_ptr<QWidget>(new FrmIban); }, {}},
        {"guida.png",
         [] {
             auto w = std::make_unique<FrmGuida>();
             w->setTopic(HelpTopics::general());
             return std::unique_ptr<QWidget>(std::move(w));
         },
         {}},
        {"info.png", [] { return std::unique_ptr<QWidget>(new FrmInfo); }, {}},
        {"esporta.png", [] { return std::unique_ptr<QWidget>(new ExportWindow(ExportArchive::registry())); }, {}},
        {"allegati.png", [] { return std::unique_ptr<QWidget>(new AttachmentsWindow); }, {}},
        {"formule.png",
         [] {
             return std::unique_ptr<QWidget>(
                     new FormulasWindow(DeclarationKind::SelfCertification, exampleDeclarant()));
         },
         {}},
        {"splash.png", [] { return std::unique_ptr<QWidget>(new FrmSplash); }, {}},
    };
}

// An example card and declaration, so that the pictures show filled windows.
void example(QWidget *w)
{
    const QString name = w->objectName();
    if (name == QLatin1String("frmAnagrafica") || name == QLatin1String("frmCertificazioni")
        || name == QLatin1String("frmAtti")) {
        for (const auto &[box, value] : examplePerson)
            fill(w, box, QString::fromUtf8(value));
        fill(w, "txtOggetto", QStringLiteral("RESIDENZA E STATO DI FAMIGLIA"));
    }
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 4) {
        qCritical("usage: make_guide guida.html picture-folder Guida.pdf");
        return 2;
    }
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    // The windows read and write their settings in a folder of their own here.
    QTemporaryDir scratch;
    ProgramFolder::setPath(scratch.path());

    const QString pictures = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(pictures);
    for (const Shot &shot : shots()) {
        std::unique_ptr<QWidget> w = shot.make();
        if (shot.size.isValid())
            w->resize(shot.size);
        w->show();
        QApplication::processEvents();
        example(w.get());
        QApplication::processEvents();
        if (!w->grab().save(QDir(pictures).filePath(QLatin1String(shot.file)))) {
            qCritical("cannot write %s", shot.file);
            return 1;
        }
        w->hide();
    }

    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        qCritical("cannot read %s", argv[1]);
        return 1;
    }
    QString html = QString::fromUtf8(source.readAll());
    html.replace(QStringLiteral("src=\"finestre/"), QStringLiteral("src=\"") + QUrl::fromLocalFile(pictures).toString() + QLatin1Char('/'));

    QTextDocument document;
    QFont body(QStringLiteral("DejaVu Sans"), 10);
    document.setDefaultFont(body);
    document.setHtml(html);

    QPdfWriter pdf(QString::fromLocal8Bit(argv[3]));
    pdf.setPageSize(QPageSize(QPageSize::A4));
    pdf.setTitle(QStringLiteral("Quirendo Pro Attestari - Guida all'utilizzo del software"));
    pdf.setCreator(QStringLiteral("Quirendo Pro Attestari"));
    pdf.setResolution(300);
    // Printing a document without a page size of its own numbers its pages.
    document.print(&pdf);
    return 0;
}
