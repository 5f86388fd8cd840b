#include "engine/Component.h"

#include <algorithm>
#include <utility>

Component::Component(QString name, ComponentOwner* owner)
    : m_name(std::move(name)), m_owner(owner) {
    if (m_owner)
        m_owner->add(this);
}

Component::~Component() {
    if (m_owner)
        m_owner->remove(this);
}

ComponentOwner::ComponentOwner(QString name) : m_name(std::move(name)) {}

ComponentOwner::~ComponentOwner() = default;

Component* ComponentOwner::findComponent(const QString& name) const {
    for (Component* c : m_components)
        if (c->componentName() == name)
            return c;
    return nullptr;
}

void ComponentOwner::remove(Component* c) {
    m_components.erase(std::remove(m_components.begin(), m_components.end(), c),
                       m_components.end());
}
