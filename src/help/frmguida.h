#pragma once
#include <QDialog>

class QLabel;
class QPlainTextEdit;
struct HelpTopic;

// The help window: a topic's title over its read-only text, and a link to
// the whole guide in PDF beside the program.
class FrmGuida : public QDialog
{
    Q_OBJECT
public:
    explicit FrmGuida(QWidget *parent = nullptr);

    void setTopic(const HelpTopic &topic);

protected:
    void showEvent(QShowEvent *event) override;

private:
    void lnkWebClick();

    QLabel *m_title;
    QPlainTextEdit *m_text;
};
