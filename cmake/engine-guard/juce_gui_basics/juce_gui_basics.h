// Found first on the include path of the engine library only: engines, records and bookings run
// without windows, so a window module included from one of them stops the build here.
#error "An engine file includes juce_gui_basics: move the window code into the subsystem's gui/ folder."
