#pragma once

#include <QDialog>

namespace Ui {
class AboutWindow;
}

// Product picture, version, legal notice and the maker's logo.
class AboutWindow : public QDialog
{
    Q_OBJECT

public:
    explicit AboutWindow(QWidget* parent = nullptr);
    ~AboutWindow() override;

private:
    Ui::AboutWindow* ui;
};
