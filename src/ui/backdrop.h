#pragma once
#include <QColor>
#include <QWidget>

// The background of every window: a vertical gradient from a colour at the top
// to white, with a fixed-size panel kept in the centre. Controls are placed on
// the panel at the pixel positions of their design.
class Backdrop : public QWidget
{
    Q_OBJECT
public:
    Backdrop(const QColor &top, const QSize &panelSize, QWidget *parent = nullptr);

    // Makes a backdrop that fills the whole window and returns its panel.
    static QWidget *fill(QWidget *window, const QColor &top, const QSize &panelSize);

    QWidget *panel() const { return m_panel; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QColor m_top;
    QWidget *m_panel;
};

namespace Palette {
inline QColor steelBlue() { return QColor(0x46, 0x82, 0xB4); }
inline QColor menuBlue() { return QColor(0x5D, 0x85, 0xA6); }
inline QColor archiveBlue() { return QColor(0x42, 0x7A, 0xA8); }
inline QColor section() { return QColor(0xC8, 0xD6, 0xE3); }
inline QColor statusBlue() { return QColor(0x30, 0x30, 0xDD); }
}
