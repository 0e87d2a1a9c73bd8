#include "TrayBackend.h"

TrayBackend::~TrayBackend() = default;
