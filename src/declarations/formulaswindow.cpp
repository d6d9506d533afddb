#include "declarations/formulaswindow.h"

#include "help/helpartwork.h"
#include "ui/backdrop.h"
#include "ui/drawnpicture.h"
#include "ui/formkit.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>

namespace {
const QSize panelSize(760, 540);
constexpr int referenceRole = Qt::UserRole + 1;
constexpr int formulaRole = Qt::UserRole + 2;

// One row of the list: the reference in a column of its own, in bold, and
// the formula wrapped beside it, so that every formula starts at one margin.
class FormulaRow : public QStyledItemDelegate
{
public:
    explicit FormulaRow(QListWidget *list) : QStyledItemDelegate(list), m_list(list) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        o.text.clear();   // the background, the selection and the focus only
        o.widget->style()->drawControl(QStyle::CE_ItemViewItem, &o, painter, o.widget);
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(o.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        QFont bold = o.font;
        bold.setBold(true);
        painter->setFont(bold);
        const QRect r = option.rect.adjusted(margin, margin, -margin, -margin);
        painter->drawText(r, Qt::AlignLeft | Qt::AlignTop, index.data(referenceRole).toString());
        painter->setFont(o.font);
        painter->drawText(r.adjusted(column, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                          index.data(formulaRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const int width = m_list->viewport()->width();
        const QRect text = option.fontMetrics.boundingRect(QRect(0, 0, width - column - 2 * margin, 100000),
                                                           Qt::TextWordWrap, index.data(formulaRole).toString());
        return QSize(width, text.height() + 2 * margin);
    }

private:
    static constexpr int column = 62;
    static constexpr int margin = 3;
    QListWidget *m_list;
};

QString referenceLine(const Formulas::Formula &f)
{
    const QString where = *f.letter ? QStringLiteral("Art. 46, comma 1, lettera %1").arg(f.reference())
                                    : QStringLiteral("Art. %1").arg(QLatin1String(f.article));
    return where + QStringLiteral(", D.P.R. 445/2000 - ") + QString::fromUtf8(f.subject);
}
}

FormulasWindow::FormulasWindow(DeclarationKind::Id kind, const Formulas::Declarant &declarant, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    setObjectName(QStringLiteral("frmFormule"));
    setWindowTitle(QStringLiteral(" Inserisci formula"));
    setFixedSize(panelSize);
    QWidget *panel = Backdrop::fill(this, Palette::section(), panelSize);

    new DrawnPicture(QStringLiteral("imgLogo"), QRect(12, 12, 736, 56),
                     [](QPainter &p, const QRectF &r) {
                         HelpArtwork::banner(p, r, Artwork::Icon::NewPage,
                                             QStringLiteral("Formule di dichiarazione"));
                     },
                     panel);

    auto *caption = new QLabel(QStringLiteral("Cerca:"), panel);
    caption->setFont(FormKit::verdana(10, true));
    caption->setGeometry(14, 82, 64, 24);
    m_filter = new QLineEdit(panel);
    m_filter->setObjectName(QStringLiteral("txtFiltro"));
    m_filter->setFont(FormKit::verdana(11));
    m_filter->setGeometry(80, 80, 668, 26);
    m_filter->setPlaceholderText(QStringLiteral("una o più parole: nascita, residenza, coniugato..."));
    m_filter->installEventFilter(this);
    connect(m_filter, &QLineEdit::textChanged, this, &FormulasWindow::txtFiltroChanged);

    m_list = new QListWidget(panel);
    m_list->setObjectName(QStringLiteral("lstFormule"));
    m_list->setFont(FormKit::verdana(10));
    m_list->setGeometry(12, 116, 736, 330);
    m_list->setWordWrap(true);
    m_list->setTextElideMode(Qt::ElideNone);
    m_list->setResizeMode(QListView::Adjust);
    m_list->setAlternatingRowColors(true);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);   // a width the rows can rely on
    m_list->setItemDelegate(new FormulaRow(m_list));
    connect(m_list, &QListWidget::currentRowChanged, this, &FormulasWindow::currentChanged);
    connect(m_list, &QListWidget::itemActivated, this, &FormulasWindow::cmdInserisciClick);

    m_reference = new QLabel(panel);
    m_reference->setObjectName(QStringLiteral("lblRiferimento"));
    m_reference->setFont(FormKit::verdana(9, true));
    m_reference->setGeometry(14, 452, 734, 22);

    auto *insert = new QPushButton(QStringLiteral("Inserisci"), panel);
    insert->setObjectName(QStringLiteral("cmdInserisci"));
    insert->setGeometry(518, 490, 110, 32);
    insert->setDefault(true);
    connect(insert, &QPushButton::clicked, this, &FormulasWindow::cmdInserisciClick);
    auto *close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("cmdChiudi"));
    close->setGeometry(638, 490, 110, 32);
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    for (const Formulas::Formula &f : Formulas::of(kind))
        m_rows.append({f, Formulas::filled(f, declarant)});
    txtFiltroChanged();
}

void FormulasWindow::txtFiltroChanged()
{
    m_list->clear();
    for (int i = 0; i < m_rows.size(); ++i) {
        const Row &row = m_rows[i];
        if (!Formulas::matches(row.formula, row.text, m_filter->text()))
            continue;
        auto *item = new QListWidgetItem(row.formula.reference() + QStringLiteral("  ") + row.text, m_list);
        item->setData(Qt::UserRole, i);
        item->setData(referenceRole, row.formula.reference());
        item->setData(formulaRole, row.text);
        item->setToolTip(referenceLine(row.formula));
    }
    m_list->setCurrentRow(m_list->count() > 0 ? 0 : -1);
    currentChanged();
}

void FormulasWindow::currentChanged()
{
    const QListWidgetItem *item = m_list->currentItem();
    m_reference->setText(item ? referenceLine(m_rows[item->data(Qt::UserRole).toInt()].formula) : QString());
}

void FormulasWindow::cmdInserisciClick()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item)
        return;
    m_chosen = m_rows[item->data(Qt::UserRole).toInt()].text;
    accept();
}

// The arrows and page keys move through the list while the filter keeps the focus.
bool FormulasWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_filter && event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            QCoreApplication::sendEvent(m_list, event);
            return true;
        default:
            break;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormulasWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (QWidget *owner = parentWidget())
        move(owner->window()->geometry().center() - QPoint(width() / 2, height() / 2));
    m_filter->setFocus();
}
