#pragma once

// Gathers the state the settings record mirrors (bars, window, editor look,
// autosave options) into Program().Settings and writes "tarvel.ini", after
// saving the colour rules to "default.rqc". A failed write is reported.
void SaveSettings();
