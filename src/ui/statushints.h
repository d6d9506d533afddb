#pragma once
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QSet>

class QLabel;
class QWidget;

// Explains each command in the status bar while the mouse is over it. Moving
// over the window's background (the registered plain surfaces themselves, not
// the boxes on them) empties the text; otherwise a hint stays until replaced.
class StatusHints : public QObject
{
    Q_OBJECT
public:
    StatusHints(QLabel *status, QObject *parent);

    void hint(QWidget *control, const QString &text);
    void blank(QWidget *surface);

    // Says in the hint bar (panInfo) of the window of `control`, if it has
    // one, that letters the archive cannot store were replaced or left out.
    static void tellReplaced(QWidget *control);
    // Says `text` in that hint bar.
    static void tell(QWidget *control, const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QLabel> m_status;
    QHash<QObject *, QString> m_hints;
    QSet<QObject *> m_surfaces;
};
