#pragma once

#include <QString>

// The library's editors the studio offers, registered by node type.
namespace StudioEditors
{
void RegisterAll();
// Whether a tree item with this text is a good first item to show.
bool IsPreferredStart(const QString& sItemText);
} // namespace StudioEditors
