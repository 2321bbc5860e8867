#pragma once
// The message boxes as Qt dialogs, owned by the main window once it exists.

#include <QPointer>
#include <QWidget>

#include "support/messages.h"

namespace velmora {

class QtMessageBoxes : public MessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* owner = nullptr) : owner_(owner) {}
    void SetOwner(QWidget* owner) { owner_ = owner; }

    void Information(std::string_view text) override;
    bool Advice(std::string_view text, int page) override;
    void Error(std::string_view text) override;

private:
    QPointer<QWidget> owner_;
};

}  // namespace velmora
