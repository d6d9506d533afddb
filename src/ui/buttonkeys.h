#pragma once

// Enter or Return on a focused command button presses it, as Space does, so
// that an Enter chain ending on a button (txtTrova to btnTrova, a check box to
// btnControlla) goes on with the next Enter. Installed once for the whole
// program by the first window built on a backdrop.
namespace ButtonKeys {
void install();
}
