#include "scene/scene_node.h"

#include <string>
#include <vector>

#include "scene/frame_ticks.h"
#include "support/gl_test.h"

namespace {

std::vector<std::string> events;

void recordPhase(int32_t phase, int32_t value) {
    events.push_back(std::to_string(value) + ":" + std::to_string(phase));
}

// Hooks with value 0 on the child record its rendering as "child".
void markRender(int32_t value) {
    events.push_back("update " + std::to_string(value));
}

void addMarker(SceneNode& node, int32_t value) {
    node.actions.addState();
    BoundCall call;
    call.init(1, true, 0);
    call.setCall(markRender, value);
    node.actions.addCall(call);
    node.actions.activate(0);
}

class SceneNodeTest : public GlTest {
protected:
    void SetUp() override {
        GlTest::SetUp();
        frameTicks = 0;
        events.clear();
    }
    void traverse(SceneNode& root) {
        frameTicks += 16;
        root.render();
    }
};

TEST_F(SceneNodeTest, HooksBracketEachChildInOrder) {
    SceneNode root;
    root.addHook(recordPhase, 9);
    auto* a = new SceneNode;
    auto* b = new SceneNode;
    addMarker(*a, 1);
    addMarker(*b, 2);
    root.addChild(a);
    root.addChild(b);
    traverse(root);
    EXPECT_EQ(events, (std::vector<std::string>{"9:3", "update 1", "9:4", "9:3", "update 2", "9:4"}));
}

TEST_F(SceneNodeTest, MeshPhasesRunOnlyOnNodesWithAModel) {
    SceneNode node;
    node.addHook(recordPhase, 1);
    node.addHook(recordPhase, 2);  // a second hook runs in list order
    traverse(node);
    EXPECT_TRUE(events.empty());

    node.hasMeshes = true;  // as a model with zero sub-meshes leaves it
    traverse(node);
    EXPECT_EQ(events, (std::vector<std::string>{"1:1", "2:1", "1:2", "2:2"}));

    events.clear();
    node.addHook(recordPhase, 1);  // the same hook twice runs twice
    traverse(node);
    EXPECT_EQ(events.size(), 6u);
}

TEST_F(SceneNodeTest, ClosingNodeSkipsMeshPhasesButStillBracketsChildren) {
    SceneNode root;
    root.hasMeshes = true;
    root.addHook(recordPhase, 0);
    auto* child = new SceneNode;
    child->addChild(new SceneNode);
    root.addChild(child);
    root.markClosing();
    traverse(root);
    EXPECT_EQ(events, (std::vector<std::string>{"0:3", "0:4"}));
    EXPECT_TRUE(child->closing);
}

SceneNode* appendTarget = nullptr;
void appendChild(int32_t) {
    auto* child = new SceneNode;
    addMarker(*child, 42);
    appendTarget->addChild(child);
    currentCall->finish();
}

TEST_F(SceneNodeTest, AChildAddedDuringTheUpdateIsRenderedInTheSameTraversal) {
    SceneNode root;
    appendTarget = &root;
    root.actions.addState();
    BoundCall call;
    call.init(1, true, 0);
    call.setCall(appendChild, 0);
    root.actions.addCall(call);
    root.actions.activate(0);
    traverse(root);
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(events, (std::vector<std::string>{"update 42"}));
}

TEST_F(SceneNodeTest, ChildrenArePlacedByTheParentButNotScaledByIt) {
    SceneNode root;
    root.setTranslation(1, 2, 3);
    root.setScale(5, 5, 5);
    auto* child = new SceneNode;
    child->setTranslation(0, 0, -1);
    std::array<double, 16> seen{};
    static std::array<double, 16>* out;
    out = &seen;
    child->addHook([](int32_t phase, int32_t) { if (phase == BeforeMeshes) *out = modelview(); }, 0);
    child->hasMeshes = true;
    root.addChild(child);
    traverse(root);
    EXPECT_DOUBLE_EQ(seen[0], 1.0);  // no scale inherited
    EXPECT_DOUBLE_EQ(seen[12], 1.0);
    EXPECT_DOUBLE_EQ(seen[13], 2.0);
    EXPECT_DOUBLE_EQ(seen[14], 2.0);
    EXPECT_EQ(modelview(), (std::array<double, 16>{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
    EXPECT_FALSE(glIsEnabled(GL_NORMALIZE));
}

TEST_F(SceneNodeTest, AChildlessNodeClosesInTheNextTraversalAndIsDeletedInTheOneAfter) {
    SceneNode root;
    auto* leaf = new SceneNode;
    root.addChild(leaf);
    traverse(root);
    leaf->markClosing();
    traverse(root);
    EXPECT_TRUE(leaf->closed);
    EXPECT_EQ(root.children.size(), 1u);
    traverse(root);
    EXPECT_TRUE(root.children.empty());
    EXPECT_FALSE(root.closing);
}

TEST_F(SceneNodeTest, NodeClosingItselfDuringItsUpdateIsDrawnAndClosedInThatTraversal) {
    SceneNode root;
    auto* leaf = new SceneNode;
    leaf->hasMeshes = true;
    leaf->addHook(recordPhase, 5);
    leaf->actions.addState();
    BoundCall call;
    call.init(1, true, 0);
    call.setCall([](int32_t) { currentNode->markClosing(); }, 0);
    leaf->actions.addCall(call);
    leaf->actions.activate(0);
    root.addChild(leaf);
    traverse(root);
    EXPECT_EQ(events, (std::vector<std::string>{"5:1", "5:2"}));
    EXPECT_TRUE(leaf->closed);
    traverse(root);
    EXPECT_TRUE(root.children.empty());
}

TEST_F(SceneNodeTest, ClosedSiblingsAreReapedInOneTraversal) {
    SceneNode root;
    auto* a = new SceneNode;
    auto* b = new SceneNode;
    auto* c = new SceneNode;
    root.addChild(a);
    root.addChild(b);
    root.addChild(c);
    a->markClosing();
    b->markClosing();
    traverse(root);
    traverse(root);
    ASSERT_EQ(root.children.size(), 1u);
    EXPECT_EQ(root.children[0], c);
}

// Builds a chain `depth` levels below `root`.
void buildChain(SceneNode& root, int depth) {
    SceneNode* parent = &root;
    for (int i = 0; i < depth; ++i) {
        auto* child = new SceneNode;
        parent->addChild(child);
        parent = child;
    }
}

TEST_F(SceneNodeTest, ARootWithDepthDClosesInDPlusOneTraversals) {
    for (int depth : {0, 1, 2, 5}) {
        SceneNode root;
        buildChain(root, depth);
        // A wide level closes as fast as a single node.
        if (depth > 0) root.addChild(new SceneNode);
        root.markClosing();
        int traversals = 0;
        while (!root.closed && traversals < 100) {
            traverse(root);
            ++traversals;
        }
        EXPECT_EQ(traversals, depth + 1) << "depth " << depth;
        EXPECT_TRUE(root.children.empty());
    }
}

}  // namespace
