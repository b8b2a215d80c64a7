#pragma once

#include <QDialog>

class QLabel;

// The About box: the program's name and version, opened with its lower panel
// hidden; Ctrl+Alt+F12 (or Ctrl+Shift+F12) folds the panel out and in again.
class CAboutDlg : public QDialog
{
    Q_OBJECT
public:
    static constexpr int kFullHeight = 340; // with the lower panel
    static constexpr int kWidth = 360;

    CAboutDlg(const QString& programVersion, QWidget* parent = nullptr);

    QLabel* NameLabel() const { return m_name; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void SetHeight(int height);

    QLabel* m_name = nullptr;
};
