#pragma once
#include <cstddef>
#include <string>

enum class WriteMode { Replace, Append };

bool WriteFileBytes(const std::string& path, const void* data, std::size_t size, WriteMode mode);
