#include "EXGM/EXGM_GeometryListener.h"

EXGM_GeometryListener::~EXGM_GeometryListener() = default;
