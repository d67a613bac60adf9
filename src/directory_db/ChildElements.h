#pragma once

#include "directory_db/XmlNodes.h"

// The child elements of one element that bear one name, in document order, for range-for.
class CChildElements final
{
public:
    class Iterator
    {
    public:
        Iterator(const xmlNode* parent, const xmlNode* node, const char* name)
            : m_parent(parent), m_node(node), m_name(name)
        {}

        const xmlNode* operator*() const { return m_node; }
        Iterator& operator++()
        {
            m_node = NextChildElement(m_parent, m_node, m_name);
            return *this;
        }
        bool operator==(const Iterator& other) const { return m_node == other.m_node; }

    private:
        const xmlNode* m_parent;
        const xmlNode* m_node;
        const char* m_name;
    };

    // `name` must outlive the range.
    CChildElements(const xmlNode* parent, const char* name) : m_parent(parent), m_name(name) {}

    Iterator begin() const
    {
        return {m_parent, NextChildElement(m_parent, nullptr, m_name), m_name};
    }
    Iterator end() const { return {m_parent, nullptr, m_name}; }

private:
    const xmlNode* m_parent;
    const char* m_name;
};
