#pragma once

#include <QString>
#include <vector>

class ComponentOwner;

// Something a data module or window owns under a fixed name (a query, a command, a data
// source). Components are members of their owner; constructing one with an owner registers
// it there, so the owner's component order is the members' declaration order.
class Component {
public:
    explicit Component(QString name, ComponentOwner* owner = nullptr);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    const QString& componentName() const { return m_name; }

private:
    QString m_name;
    ComponentOwner* m_owner;
};

// A data module or window: its own component name and its components, in order.
class ComponentOwner {
public:
    explicit ComponentOwner(QString name);
    virtual ~ComponentOwner();
    ComponentOwner(const ComponentOwner&) = delete;
    ComponentOwner& operator=(const ComponentOwner&) = delete;

    const QString& componentName() const { return m_name; }
    const std::vector<Component*>& components() const { return m_components; }
    // The component whose name equals `name` exactly, letter case included; null if none.
    Component* findComponent(const QString& name) const;

private:
    friend class Component;
    void add(Component* c) { m_components.push_back(c); }
    void remove(Component* c);

    QString m_name;
    std::vector<Component*> m_components;
};
