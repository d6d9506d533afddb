#pragma once
#include <QDialog>
#include <QPixmap>

class QLabel;
class QLineEdit;
class QPushButton;

// What the four check windows share: banner, prompt, one code box and the
// "Controlla" / "Chiudi" buttons on a steel-blue backdrop. A too-short code
// is refused with a warning and the window stays open; a verdict closes it.
class CheckWindow : public QDialog
{
    Q_OBJECT
public:
    // Puts the caller's text into the box as it is, without the typing filter.
    void setCode(const QString &text);
    QLineEdit *box() const { return m_box; }

protected:
    // Blanks typed or pasted inside the code are dropped before the typing
    // limit applies, so a code pasted in printed groups is judged whole.
    void dropBlanksBeforeLimit();
    struct Design
    {
        const char *name;       // window object name
        QString caption;
        QSize size;
        QPixmap banner;
        QString prompt;
        const char *boxName;
        int maxLength;
        bool upperTrimmedTyping;   // typed text is trimmed and upper-cased at once
        bool digitKeysOnly;        // keys other than digits and editing keys are dropped
    };

    CheckWindow(const Design &design, QWidget *parent);

    virtual void btnControllaClick() = 0;
    // A code that cannot be judged: warn, put the focus back in the box, stay open.
    void refuse(const QString &warning);
    // The verdict closes the window.
    void valid(const QString &text);
    void wrong(const QString &text);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void txtChange(const QString &typed);
    bool boxKeyPress(QKeyEvent *event);

    bool m_upperTrimmedTyping;
    bool m_compactTyping = false;
    bool m_digitKeysOnly;
    int m_maxLength;
    QLabel *m_logo;
    QLabel *m_prompt;
    QLineEdit *m_box;
    QPushButton *m_check;
    QPushButton *m_close;
};
