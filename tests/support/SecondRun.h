#pragma once

// VLC 3.0.24 itself crashes now and then while its web interface renders a
// status during an item switch (a race inside VLC: SIGSEGV in the Lua status
// handler, double frees in input_item_Release). A case that failed only
// because its VLC died is not a fault of ours; it is run once more, in a
// fresh process with a fresh VLC, and the output says so. Any other failure
// stands as it is, and a second run is never followed by a third.
//
// Called by the test mains after RUN_ALL_TESTS and every clean-up: returns
// result, or does not return (the second run replaces this process).
int runAgainWhereVlcDied(int result, int argc, char** argv);

// True in the second run.
bool isSecondRun();
