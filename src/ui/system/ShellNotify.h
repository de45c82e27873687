#pragma once

// Tells the shell once that file associations changed, so that Explorer shows new
// descriptions and icons without a restart. Every command that wrote the registry calls it.
void NotifyAssociationsChanged();

// Runs a command's registry work and tells the shell when it ends, also when an error stopped
// it half-way (which is raised again): what was written before the error stays written.
template <class Work>
void NotifyWhenDone(Work&& work) {
    try {
        work();
    } catch (...) {
        NotifyAssociationsChanged();
        throw;
    }
    NotifyAssociationsChanged();
}
