#pragma once
// What a killed copy of the program leaves in its folders: temporary files of StagedFile that
// never took their place, and QSettings lock files that hold no live process (an empty one
// makes the next QSettings write wait half a minute).

// Removes them from the configuration folder and its subfolders, and nothing else. Called at
// start while the single-instance guard is held; a copy for another product, which may share
// the folder, keeps the files of its own process.
void RemoveStoreLeftovers();
