#pragma once
#include "ui/formkit.h"

#include <QDialog>

struct ExportArchive;
class ExportGridModel;
class QLabel;
class QTableView;

// frmExpAnagrafica, frmExpCert, frmExpAtti: lists every record of an archive
// in a read-only grid when shown, and writes that grid to the archive's
// spreadsheet file on cmdEsporta. The export writes what the grid holds: the
// archive as it was when the window opened.
class ExportWindow : public QDialog
{
    Q_OBJECT
public:
    ExportWindow(const ExportArchive &archive, QWidget *parent = nullptr);

    const ExportArchive &archive() const { return m_archive; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void fill();
    void cmdEsportaClick();
    void cmdGuidaClick();

    static const FormKit::Command<ExportWindow> commands[];

    const ExportArchive &m_archive;
    ExportGridModel *m_model;
    QTableView *m_grid;
    QLabel *m_status;
    bool m_filled = false;
};
