#pragma once
#include <QDialog>

class QLineEdit;
class QRadioButton;

// "Cartella degli archivi": at the first start, before the login, the user
// picks the data folder (the personal one, or another such as a shared one).
// OK creates it if needed, checks it can be written and remembers it; the
// window then closes accepted. Esci closes it rejected.
class FrmCartella : public QDialog
{
    Q_OBJECT
public:
    // `offered`: a folder to show under "another folder" (one chosen before).
    explicit FrmCartella(const QString &offered = QString(), QWidget *parent = nullptr);

    QString folder() const { return m_folder; }   // the accepted choice

private:
    void browse();
    void confirm();

    QRadioButton *m_personal, *m_other;
    QLineEdit *m_path;
    QString m_folder;
};
