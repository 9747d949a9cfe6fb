#pragma once

#include "platform/forms/Form.h"
#include "platform/forms/Timer.h"
#include "platform/vb/Int16.h"

#include <array>
#include <cstdint>

namespace controls {
class Label;
class PictureBox;
class Shape;
} // namespace controls

// The start-up splash: a scanner light runs along nine squares, then the main window takes over.
class Frmsplash : public forms::Form {
    Q_OBJECT
public:
    Frmsplash();

    static constexpr uint32_t kLit = 0xFF; // red
    static constexpr uint32_t kUnlit = 0xFFFFFF; // white

    void tmrTimer_Timer();
    void PaintShape(vb::Int16 index, uint32_t colour);

    controls::PictureBox* Picture2 = nullptr;
    controls::Label* Label3 = nullptr;
    std::array<controls::Shape*, 9> shpArr{};
    controls::PictureBox* Picture1 = nullptr;
    controls::Shape* Shape1 = nullptr;
    forms::Timer* tmrTimer = nullptr;

    // The light's state.
    int lightPosition = 0;
    vb::Int16 tickCount{1};
    bool movingBack = false;

protected:
    void Form_Load() override;
    void Form_Unload(int& cancel) override;
};
