#pragma once

#include "database/Records.h"
#include "settings/PropertyPage.h"

#include <vector>

class CCarPictureArea;
class CMyDatabase;
class IWindowRequests;
class LedgerContext;
class QCheckBox;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

// The settings page where cars are added, renamed, made current and deleted.
// Every action is written to the ledger at once; OK and Cancel do not matter.
class CPageCarManage : public CPropertyPage
{
    Q_OBJECT
public:
    // A changed or renamed current car has the window set its title and
    // redraw its car photo, when there is a window.
    CPageCarManage(LedgerContext& context, IWindowRequests* window, QWidget* parent = nullptr);

    void OnInitDialog() override;
    bool OnSetActive() override;

    // Reloads the cars and refills the list, keeping the selected car selected
    // (or, when none was selected or it is gone, the current car's row).
    void FillCarList();
    // Adds a car under the typed name (Enter in the name box does the same).
    // The first car of an empty list becomes the current car at once.
    void OnAddCar();
    // For a sheet opened to add a car: when the page is initialised,
    // "增加车辆" is ticked and the keyboard focus goes into the name box.
    void ReadyToAdd() { m_readyToAdd = true; }
    void OnRenameCar();
    void OnSetCurrentCar();
    void OnDeleteCar();
    // Reloads the current car's picture.
    void RefreshPicture();

    const std::vector<CARLIST>& cars() const { return m_cars; }
    QListWidget* carList() const { return m_list; }
    QGroupBox* currentCarBox() const { return m_currentBox; }
    CCarPictureArea* pictureArea() const { return m_picture; }
    QPushButton* setCurrentButton() const { return m_setCurrent; }
    QPushButton* deleteButton() const { return m_delete; }
    QCheckBox* renameCheck() const { return m_renameCheck; }
    QLineEdit* newNameEdit() const { return m_newName; }
    QPushButton* renameButton() const { return m_rename; }
    QCheckBox* addCheck() const { return m_addCheck; }
    QLineEdit* addNameEdit() const { return m_addName; }
    QPushButton* addButton() const { return m_add; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CMyDatabase* database() const;
    // The selected row and its car; -1 and empty when none is selected.
    int selectedRow() const;
    QString selectedCarId() const;
    void setSheetTitle(const QString& carName);
    void setAddEnabled(bool enabled);
    void setRenameEnabled(bool enabled);
    void onSelectionChanged();

    LedgerContext& m_context;
    IWindowRequests* m_window;
    std::vector<CARLIST> m_cars;
    bool m_readyToAdd = false;
    QGroupBox* m_currentBox;
    CCarPictureArea* m_picture;
    QListWidget* m_list;
    QPushButton* m_setCurrent;
    QPushButton* m_delete;
    QCheckBox* m_renameCheck;
    QLineEdit* m_newName;
    QPushButton* m_rename;
    QCheckBox* m_addCheck;
    QLineEdit* m_addName;
    QPushButton* m_add;
};
