// SPDX-FileCopyrightText: 2026 The Pelorin developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program mix editor: three mixes "MIX 1".."MIX 3", four bytes each in programMix
// (route = source << 4 | destination, up rate, down rate, switch). One mix is shown at a time;
// the Mix Num box chooses which, and the fields are stored into their mix whenever the box
// takes the focus, so no change is lost when another mix is chosen.

#include <array>
#include <cstddef>
#include <cstdint>

#include "dialogkit/templatedialog.h"
#include "link/blockfields.h"
#include "link/settingsblock.h"

class QComboBox;
class QLineEdit;

namespace pelorin {

using ProgramMix = std::array<std::uint8_t, kProgramMixSize>;

class ProgramMixDialog : public TemplateDialog {
    Q_OBJECT

public:
    static constexpr int kIdMixNum = 1015;
    static constexpr int kIdSource = 1016;
    static constexpr int kIdDes = 1017;
    static constexpr int kIdUpRate = 1018;
    static constexpr int kIdDownRate = 1019;
    static constexpr int kIdSwitch = 1032;
    static constexpr int kRateMin = editorrange::kMixRate.min;
    static constexpr int kRateMax = editorrange::kMixRate.max;

    explicit ProgramMixDialog(ProgramMix& programMix, QWidget* parent = nullptr);

    // The rates the edits open with (the main window hands over MIX 1's).
    void setRates(int upRate, int downRate);
    [[nodiscard]] int upRate() const { return upRate_; }
    [[nodiscard]] int downRate() const { return downRate_; }
    // The working copy of programMix while the dialog is open.
    [[nodiscard]] const ProgramMix& mixWork() const { return mixWork_; }

public slots:
    void accept() override;  // OK: store the shown mix (validated), then programMix = mixWork

protected:
    void initDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    [[nodiscard]] int selectedMix() const;
    void readMix(int mix, bool withRates);
    bool storeMix(int mix);
    void mixSelected(int selection);

    ProgramMix mixWork_{};
    ProgramMix& programMix_;
    QComboBox* switchBox_ = nullptr;
    QComboBox* desBox_ = nullptr;
    QComboBox* sourceBox_ = nullptr;
    QComboBox* mixNumBox_ = nullptr;
    QLineEdit* upEdit_ = nullptr;
    QLineEdit* downEdit_ = nullptr;
    int upRate_ = 0;
    int downRate_ = 0;
    bool storing_ = false;            // a store is running; its message must not start another
    bool focusStoreRefused_ = false;  // the last store on Mix Num's focus was refused
};

}  // namespace pelorin
