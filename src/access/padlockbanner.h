#pragma once
#include <QStringList>
#include <QWidget>

// The banner of the password windows: a padlock, a heading, a line of
// explanation and, optionally, a red note.
class PadlockBanner : public QWidget
{
public:
    PadlockBanner(const QString &heading, const QString &line, const QString &note, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString m_heading, m_line, m_note;
};
