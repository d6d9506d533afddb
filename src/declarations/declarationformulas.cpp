// The standard formulas of the declaration window: F2 anywhere in the window,
// or the text's context menu, opens frmFormule; the chosen formula goes into
// txtDichiarazione on a line of its own at its cursor.
#include "declarations/declarationwindow.h"

#include "core/declarations/formulas.h"
#include "declarations/declarationtextbox.h"
#include "declarations/formulaswindow.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>

namespace {
const QString doesNotFit = QStringLiteral(
        "La formula non entra nel testo della dichiarazione: il limite è di 5000 caratteri.");
}

void DeclarationWindow::buildFormulas()
{
    m_insertFormula = new QAction(QStringLiteral("Inserisci formula..."), this);
    m_insertFormula->setObjectName(QStringLiteral("actInserisciFormula"));
    m_insertFormula->setShortcut(Qt::Key_F2);
    m_insertFormula->setShortcutContext(Qt::WindowShortcut);
    addAction(m_insertFormula);
    connect(m_insertFormula, &QAction::triggered, this, &DeclarationWindow::insertFormulaClick);

    m_text->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_text, &QWidget::customContextMenuRequested, this, &DeclarationWindow::txtDichiarazioneContextMenu);
}

void DeclarationWindow::txtDichiarazioneContextMenu(const QPoint &position)
{
    QMenu *menu = m_text->createStandardContextMenu(position);
    menu->setObjectName(QStringLiteral("mnuDichiarazione"));
    menu->addSeparator();
    menu->addAction(m_insertFormula);
    menu->exec(m_text->viewport()->mapToGlobal(position));
    delete menu;
}

void DeclarationWindow::insertFormulaClick()
{
    Formulas::Declarant declarant;
    for (const QString &control : personalDataControls())
        declarant.insert(control, box(qPrintable(control))->text());
    // Guarded: the list dies with this window should that go first.
    QPointer<FormulasWindow> list = new FormulasWindow(m_kind.id, declarant, this);
    dialogs().showModal(list);
    const QString formula = list ? list->chosen() : QString();
    delete list.data();
    if (formula.isEmpty())
        return;
    if (!DeclarationTextBox::insertLine(m_text, formula)) {
        m_status->setText(doesNotFit);
        return;
    }
    m_text->setFocus(Qt::OtherFocusReason);
}
