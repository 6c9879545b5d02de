#pragma once
// driver_export.h - marks a module's entry points, in both modules: each is built with hidden visibility, so
// only what carries this mark is exported, under its C name.

#define DRIVER_EXPORT extern "C" __attribute__((visibility("default")))
