#pragma once
// The function of an assignable switch or VR knob: a position in a short list whose
// helicopter entries are offered only when the model type is not ACRO.

#include <cstdint>

#include "templatedialog.h"

namespace pelorin {

// One instance per switch (A, B); `function` is switchAFunction or switchBFunction.
class SwitchSelectDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit SwitchSelectDialog(int& function, QWidget* parent = nullptr);

    // The model type nibble of byte 0, handed over before every opening.
    void setModelType(std::uint8_t modelTypeNibble) { modelType_ = modelTypeNibble; }

protected:
    void initDialog() override;
    void accept() override;

private:
    int& function_;
    std::uint8_t modelType_ = 0;
};

// One instance per knob (A, B); `function` is vrAFunction or vrBFunction.
class VrSelectDialog : public TemplateDialog {
    Q_OBJECT

public:
    explicit VrSelectDialog(int& function, QWidget* parent = nullptr);

    // The model type nibble of byte 0, handed over before every opening.
    void setModelType(std::uint8_t modelTypeNibble) { modelType_ = modelTypeNibble; }

protected:
    void initDialog() override;
    void accept() override;

private:
    int& function_;
    std::uint8_t modelType_ = 0;
};

}  // namespace pelorin
