#pragma once
// driver_export.h - marks the module's entry points: the module is built with hidden visibility, so only
// what carries this mark is exported, under its C name.

#define DRIVER_EXPORT extern "C" __attribute__((visibility("default")))
