// The one map from Qt's input to the numbers the forms' handlers receive, shared by
// the button, the panel and the container.
#include <gtest/gtest.h>

#include <QKeyEvent>

#include "controls/platform/input_codes.h"

namespace tavolora::controls {
namespace {

int code_of(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QKeyEvent event(QEvent::KeyPress, key, modifiers);
    return key_code(event);
}

TEST(InputCodes, MouseButtonsAndShiftKeysAddUpTheirBits) {
    EXPECT_EQ(mouse_button_code(Qt::LeftButton), 1);
    EXPECT_EQ(mouse_button_code(Qt::RightButton), 2);
    EXPECT_EQ(mouse_button_code(Qt::MiddleButton), 4);
    EXPECT_EQ(mouse_button_code(Qt::LeftButton | Qt::MiddleButton), 5);
    // A button the forms have no number for adds nothing, alone or held with others.
    EXPECT_EQ(mouse_button_code(Qt::BackButton), 0);
    EXPECT_EQ(mouse_button_code(Qt::BackButton | Qt::RightButton), 2);
    EXPECT_EQ(mouse_button_code(Qt::NoButton), 0);

    EXPECT_EQ(shift_code(Qt::ShiftModifier), 1);
    EXPECT_EQ(shift_code(Qt::ControlModifier | Qt::AltModifier), 6);
    EXPECT_EQ(shift_code(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::KeypadModifier), 7);
    EXPECT_EQ(shift_code(Qt::MetaModifier), 0);
}

TEST(InputCodes, KeysGiveTheDesktopsVirtualKeyNumbers) {
    EXPECT_EQ(code_of(Qt::Key_A), 'A');
    EXPECT_EQ(code_of(Qt::Key_Z, Qt::ShiftModifier), 'Z');
    EXPECT_EQ(code_of(Qt::Key_7), '7');
    EXPECT_EQ(code_of(Qt::Key_F1), 0x70);
    EXPECT_EQ(code_of(Qt::Key_F24), 0x87);
    EXPECT_EQ(code_of(Qt::Key_Return), 0x0D);
    EXPECT_EQ(code_of(Qt::Key_Enter), 0x0D);
    EXPECT_EQ(code_of(Qt::Key_Delete), 0x2E);
    // A shifted sign is the key it lies on.
    EXPECT_EQ(code_of(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(code_of(Qt::Key_Question, Qt::ShiftModifier), 0xBF);
    EXPECT_EQ(code_of(Qt::Key_QuoteDbl, Qt::ShiftModifier), 0xDE);
    // The number pad has numbers of its own; a pad key without a pad number falls
    // back to the main keys.
    EXPECT_EQ(code_of(Qt::Key_7, Qt::KeypadModifier), 0x67);
    EXPECT_EQ(code_of(Qt::Key_Plus, Qt::KeypadModifier), 0x6B);
    EXPECT_EQ(code_of(Qt::Key_Plus), 0xBB);
    EXPECT_EQ(code_of(Qt::Key_Comma, Qt::KeypadModifier), 0x6E);
    EXPECT_EQ(code_of(Qt::Key_Comma), 0xBC);
    EXPECT_EQ(code_of(Qt::Key_Enter, Qt::KeypadModifier), 0x0D);
    // A key the map does not know.
    EXPECT_EQ(code_of(Qt::Key_VolumeUp), 0);
}

}  // namespace
}  // namespace tavolora::controls
