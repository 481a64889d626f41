#pragma once
// Fakes of the launcher's outside world for the native tests: a folder tree, a registry store
// and a tree view that records what it is told.
#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "app/TextUtil.h"
#include "launcher/FavoritesList.h"
#include "launcher/FolderReader.h"
#include "launcher/ListTreeObserver.h"
#include "launcher/TypedAddressStore.h"

// Folders by path (as the walk joins them), each with its entries in enumeration order;
// shortcut addresses by file path.
class FakeFolderReader : public FolderReader {
public:
    void AddFolder(const std::string& folder)
    {
        folders[folder];
    }
    void AddFile(const std::string& folder, const std::string& name, const std::string& url = std::string(),
                 bool hidden = false, bool system = false)
    {
        folders[folder].push_back({name, false, hidden, system, ""});
        urls[JoinPath(folder, name)] = url;
    }
    // A file whose name the code page cannot carry: listed by name, opened by accessName.
    void AddFileWithAccessName(const std::string& folder, const std::string& name, const std::string& accessName,
                               const std::string& url)
    {
        folders[folder].push_back({name, false, false, false, accessName});
        urls[JoinPath(folder, accessName)] = url;
    }
    void AddSubfolderWithAccessName(const std::string& folder, const std::string& name, const std::string& accessName)
    {
        folders[folder].push_back({name, true, false, false, accessName});
        folders[JoinPath(folder, accessName)];
    }
    void AddSubfolder(const std::string& folder, const std::string& name)
    {
        folders[folder].push_back({name, true, false, false, ""});
        folders[JoinPath(folder, name)];
    }

    // A junction or symbolic link in folder that leads to target; marked tells whether the
    // enumeration reports it as a reparse point (not every file system does).
    void AddLink(const std::string& folder, const std::string& name, const std::string& target, bool marked)
    {
        folders[folder].push_back({name, true, false, false, ""});
        folders[folder].back().reparsePoint = marked;
        links[JoinPath(folder, name)] = target;
    }
    // The path with every link on it replaced by its target.
    std::string Resolve(std::string path) const
    {
        for (auto link = links.begin(); link != links.end();) {
            const std::string& from = link->first;
            if (path == from || path.compare(0, from.size() + 1, from + "\\") == 0) {
                path = link->second + path.substr(from.size());
                link = links.begin();
            } else {
                ++link;
            }
        }
        return path;
    }

    std::vector<FolderEntry> List(const std::string& path) const override
    {
        // A walk that would never end reads empty folders from here on, so that it fails fast.
        if (++listCalls > kListCallsCap)
            return {};
        std::string folder = Resolve(path);
        deepest = std::max(deepest, static_cast<int>(std::count(path.begin(), path.end(), '\\')));
        auto it = folders.find(folder);
        if (it == folders.end())
            return {};
        std::vector<FolderEntry> entries = {{".", true, false, false, ""}, {"..", true, false, false, ""}};
        entries.insert(entries.end(), it->second.begin(), it->second.end());
        return entries;
    }
    std::string ReadShortcutUrl(const std::string& path, std::size_t maxChars) const override
    {
        auto it = urls.find(Resolve(path));
        return it == urls.end() ? std::string() : Cut(it->second, maxChars);
    }

    std::map<std::string, std::vector<FolderEntry>> folders;
    std::map<std::string, std::string> urls;
    std::map<std::string, std::string> links;
    static constexpr int kListCallsCap = 100000;
    mutable int listCalls = 0;
    mutable int deepest = 0;   // backslashes in the deepest path listed
};

// Two registry keys of string values.
class FakeTypedStore : public TypedAddressStore {
public:
    bool KeyExists(TypedAddressKey key) const override { return keys.count(key) != 0; }
    bool ReadValue(TypedAddressKey key, const std::string& name, std::string& value,
                   std::size_t maxChars) const override
    {
        ++reads[key];
        auto k = keys.find(key);
        if (k == keys.end())
            return false;
        auto v = k->second.find(name);
        if (v == k->second.end())
            return false;
        value = Cut(v->second, maxChars);
        return true;
    }
    void DeleteOwnKey() override { keys.erase(TypedAddressKey::Own); }
    void WriteOwnValue(const std::string& name, const std::string& value) override
    {
        keys[TypedAddressKey::Own][name] = value;
    }

    std::map<TypedAddressKey, std::map<std::string, std::string>> keys;
    mutable std::map<TypedAddressKey, int> reads;
};

// A tree view's category branch: its children's item data and texts, first child first.
template <class Entry>
class FakeTreeBranch : public ListTreeObserver<Entry> {
public:
    struct Item {
        const Entry* data;
        std::string text;
    };

    void EntryRemoved(int category, const Entry& entry) override
    {
        lastCategory = category;
        for (auto it = items.begin(); it != items.end(); ++it)
            if (it->data == &entry) {
                items.erase(it);
                return;
            }
        ++removalsOfUnknownItems;
    }
    void EntryInsertedFirst(int category, Entry& entry, const std::string& text) override
    {
        lastCategory = category;
        items.insert(items.begin(), {&entry, text});
    }

    std::vector<Item> items;
    int lastCategory = -1;
    int removalsOfUnknownItems = 0;
};

// The favorites branch of the launcher tree, as nested folders with their link names.
class FakeFavoritesTree : public FavoritesTree {
public:
    struct Node {
        std::string text;
        std::vector<Node*> children;   // in tree order
        LinkEntry* entry = nullptr;
    };

    TreeItemHandle InsertRoot() override
    {
        ++rootsInserted;
        nodes.push_back(std::make_unique<Node>());
        nodes.back()->text = "Favorites";
        root = nodes.back().get();
        return root;
    }
    TreeItemHandle InsertFolderFirst(TreeItemHandle parent, const std::string& name) override
    {
        Node* node = NewNode(name);
        Parent(parent)->children.insert(Parent(parent)->children.begin(), node);
        return node;
    }
    void AppendLink(TreeItemHandle parent, LinkEntry& entry) override
    {
        Node* node = NewNode(entry.name);
        node->entry = &entry;
        Parent(parent)->children.push_back(node);
    }

    // "name" for links, "name/" followed by the children in brackets for folders.
    static std::string Show(const Node& node)
    {
        std::string out;
        for (const Node* child : node.children) {
            if (!out.empty())
                out += ' ';
            out += child->text;
            if (!child->entry)
                out += "/[" + Show(*child) + "]";
        }
        return out;
    }

    Node* root = nullptr;
    int rootsInserted = 0;

private:
    Node* NewNode(const std::string& text)
    {
        nodes.push_back(std::make_unique<Node>());
        nodes.back()->text = text;
        return nodes.back().get();
    }
    Node* Parent(TreeItemHandle handle) { return static_cast<Node*>(handle); }

    std::vector<std::unique_ptr<Node>> nodes;
};
