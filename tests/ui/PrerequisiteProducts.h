#pragma once
#include <windows.h>

#include <string>

#include "support/Registry.h"
#include "support/ScratchDir.h"

// Which of the four prerequisite products are on the machine.
struct ProductSet {
    bool dotNet;
    bool mdac;
    bool isoView;
    bool acrobat;
};

// Puts prerequisite products on the machine the way their installations leave them: registry
// entries and files. Every key it writes goes again when it goes.
class PrerequisiteProducts {
public:
    PrerequisiteProducts();
    PrerequisiteProducts(const PrerequisiteProducts&) = delete;
    PrerequisiteProducts& operator=(const PrerequisiteProducts&) = delete;

    void Install(const ProductSet& products);
    void AddDotNet();
    void AddMdac();
    void AddIsoView();
    void AddAcrobat();
    // Registered, but its server program is gone from the disk.
    void AddAcrobatWithoutServer();

    // The product keys that a test may find left over by a run that could not clean up.
    static bool AnyProductKeyExists();

private:
    void AddAcrobatServer(const std::string& serverPath);
    // Registers for removal the outermost key of subKey that does not exist yet.
    void WillWrite(HKEY root, const std::string& subKey);

    testsupport::ScratchDir m_files;
    testsupport::RegKeyCleanup m_keys;
};
