#pragma once

#include <QMainWindow>

class MerivaneMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MerivaneMain(QWidget* parent = nullptr);
};
