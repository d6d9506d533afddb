#pragma once
#include <QWidget>

// The main menu: three columns of pictures, one per archive, each opening it.
class MainMenu : public QWidget
{
    Q_OBJECT
public:
    enum class Archive { Registry, SelfCertifications, Notoriety };
    Q_ENUM(Archive)

    static QString webAddress();

    explicit MainMenu(QWidget *parent = nullptr);

signals:
    void archiveRequested(MainMenu::Archive archive);
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
};
