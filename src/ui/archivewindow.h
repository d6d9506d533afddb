#pragma once
#include <QWidget>

class Backdrop;

// A long-lived archive window: maximised, a gradient background with the
// 994 x 692 design panel kept in the centre. It is only shown and hidden;
// closing it (its exit command or the close box) hides it and says so, and
// the menu comes back.
class ArchiveWindow : public QWidget
{
    Q_OBJECT
public:
    ArchiveWindow(const QString &objectName, const QString &caption, QWidget *parent = nullptr);

    QWidget *panel() const;
    Backdrop *backdrop() const { return m_backdrop; }

signals:
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    Backdrop *m_backdrop;
};
