// Only here to build the precompiled test headers the tests share.
int main() {
    return 0;
}
