#pragma once

#include <memory>
#include <vector>

class VLCController;

// Remotes are shared by the saved list and the screens that show them.
using RemoteList = std::vector<std::shared_ptr<VLCController>>;
