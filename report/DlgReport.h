#pragma once

#include "database/Records.h"
#include "report/ReportRequest.h"

#include <QDialog>
#include <map>
#include <vector>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QPushButton;

// Asks what a report shows: the car, the period (open at either end) and the
// ledgers. For printing it offers the preview and the print dialog, for a
// PDF file the export.
class CDlgReport : public QDialog
{
    Q_OBJECT
public:
    enum class Purpose
    {
        Print,
        Pdf,
    };

    CDlgReport(const std::vector<CARLIST>& cars, const QString& currentCarId, Purpose purpose,
               const QDate& today, QWidget* parent = nullptr);

    ReportRequest Request() const;
    // Printing: the preview was asked for rather than the print dialog.
    bool Preview() const { return m_preview; }

    QComboBox* CarBox() const { return m_car; }
    QCheckBox* FromBox() const { return m_fromBox; }
    QCheckBox* ToBox() const { return m_toBox; }
    QDateEdit* FromEdit() const { return m_from; }
    QDateEdit* ToEdit() const { return m_to; }
    QCheckBox* LedgerBox(LedgerKind kind) const { return m_ledgers.at(kind); }
    QPushButton* PreviewButton() const { return m_previewButton; }
    QPushButton* GoButton() const { return m_go; }

    // Refuses a period whose start lies after its end, and a report of no ledger.
    void accept() override;

private:
    QComboBox* m_car;
    QCheckBox* m_fromBox;
    QDateEdit* m_from;
    QCheckBox* m_toBox;
    QDateEdit* m_to;
    std::map<LedgerKind, QCheckBox*> m_ledgers;
    QPushButton* m_previewButton = nullptr;
    QPushButton* m_go;
    bool m_preview = false;
};
