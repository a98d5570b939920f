#pragma once
// Counted interface pointers for the control code.
#include <wrl/client.h>

using Microsoft::WRL::ComPtr;
