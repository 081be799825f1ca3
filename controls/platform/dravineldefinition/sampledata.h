#pragma once

#include <vector>

namespace values
{
class Node;
}

namespace DravinelDefinition
{

// A realistic standard device tree for demonstrations and tests.
class SampleData
{
public:
    // Gives pRoot the root type (g_vdNodeRoot) and appends two devices through the rules of
    // their own types: a DF monitoring receiver ("Dev") and a VUHF monitoring receiver (next
    // free name, normally "Dev_1"). Each has device parameter sets and a job (Dcd) with control
    // sets of single frequencies and ranges, one suppressed, some with parameter sets of their
    // own; the DF receiver also has a simulation scenario: emissions with emission lists,
    // emitters and a movement of several breakpoints. Answers the two device nodes (DF first).
    static std::vector<values::Node*> Fill(values::Node* pRoot);

    SampleData() = delete;
};

} // namespace DravinelDefinition
