// What the tests set in the dialog framework that no program does: the command line without
// running main(), and the limits of memory blocks, list boxes and combo boxes that a program
// would reach only on a machine short of memory or with tens of thousands of lines. Only tests
// include this header; each setter is defined beside the state it sets.
#pragma once

#include <cstddef>

class CWinApp;

namespace platform::qt {
class ComboBoxControl;
class ListBoxControl;
}  // namespace platform::qt

namespace platform::testing {

class UiTestAccess {
public:
    // The arguments that ParseCommandLine hands on, as Run takes them from main().
    static void SetCommandLine(CWinApp& app, int argc, char** argv);
    // The largest block GlobalAlloc hands out; larger requests fail as if memory ran out.
    static void SetGlobalAllocLimit(std::size_t bytes);
    // The most lines (entries) the control takes before it answers LB_ERRSPACE
    // (CB_ERRSPACE); lowering it keeps what the control holds.
    static void SetCapacity(qt::ListBoxControl& control, int capacity);
    static void SetCapacity(qt::ComboBoxControl& control, int capacity);
};

}  // namespace platform::testing
