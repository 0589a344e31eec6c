#pragma once
// What a killed copy of the program leaves in its folders: temporary files of StagedFile that
// never took their place, and QSettings lock files of our own files that no process holds (an
// empty one makes the next QSettings write wait half a minute).

// Removes them from the configuration folder and its subfolders, and the temporaries also
// beside the files our own links there lead to; nothing else. A lock goes only when QLockFile
// would call it stale: nobody holds its flock, and it is empty or names a process of this host
// that is gone; another host's lock stays, and so does an empty one made in the last few
// seconds, which may be one being taken. A temporary goes when the process its name carries is
// gone. A subfolder that is a link is not visited. Called at start while the single-instance
// guard is held; a copy for another product, which may share the folder, keeps the files of its
// own process.
void RemoveStoreLeftovers();
