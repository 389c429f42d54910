#pragma once

#include <QObject>

class QWidget;

namespace zicalc {

class SecondaryWindows;

// The pet-shop window Form19 and the scene HP table Form5, which both the pets page and the shop
// open: the buttons that open them, and CommerceWindowOpen, which tells the HP table where to go
// back to when it closes.
class CommerceWindows final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CommerceWindows)

public:
    // Wires Button14 and dcButton2 of `mainWindow`. Created as the main window loads, which is
    // when CommerceWindowOpen starts out false.
    CommerceWindows(QWidget* mainWindow, SecondaryWindows* windows);

    bool commerceWindowOpen() const { return shop_ != nullptr; }

    // Button14 "召唤兽血量值表": the HP table shown, then the main window hidden.
    void openHpTable();
    // dcButton2 "商会系统": the main window hidden, then the shop shown.
    void openCommerce();

private:
    // "血量表" of the shop: the HP table modal over it, back to the shop when it closes.
    void openHpTableOver(QWidget* shop);

    QWidget* main_;
    SecondaryWindows* windows_;
    QObject* shop_ = nullptr;  // the open Form19, if any: CommerceWindowOpen
};

}  // namespace zicalc
