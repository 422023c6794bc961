// The help keys of the windows are checked with their layout, in WindowLayoutTest.cpp.
