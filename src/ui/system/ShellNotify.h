#pragma once

// Tells the shell once that file associations changed, so that Explorer shows new
// descriptions and icons without a restart. Every command that wrote the registry calls it.
void NotifyAssociationsChanged();
