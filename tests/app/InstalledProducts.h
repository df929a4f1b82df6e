#pragma once
#include <memory>
#include <set>
#include <vector>

#include "RegValueOverride.h"
#include "support/ScratchDir.h"

namespace apptest {

enum class Product { DotNet, Mdac, IsoView, Acrobat };

const std::set<Product> kEveryProduct = {Product::DotNet, Product::Mdac, Product::IsoView, Product::Acrobat};

// Makes the machine look as if the given prerequisite products were installed, as the setup's
// detection reads them (registry entries, and the files they name), and removes all of it again.
// The products left out stay missing.
class InstalledProducts {
public:
    explicit InstalledProducts(const std::set<Product>& present);
    InstalledProducts(const InstalledProducts&) = delete;
    InstalledProducts& operator=(const InstalledProducts&) = delete;

private:
    void Set(HKEY root, const std::string& subKey, const std::string& name, const std::string& value);

    testsupport::ScratchDir m_files;
    std::vector<std::unique_ptr<RegValueOverride>> m_values;
};

}  // namespace apptest
