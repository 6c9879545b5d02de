set -e
cd /work/wt22
cp /tmp/s7/pictures.cpp platform/src/user/
cp /tmp/s7/pictures_test.cpp tests/platform/user/
mkdir -p tools/qnsheet
cp /tmp/s7/qnsheet_main.cpp tools/qnsheet/main.cpp
cat > tools/qnsheet/CMakeLists.txt <<'CM'
# qnsheet: shows a printer's property sheet as a user drives it, and saves what was shown as pictures.
add_executable(qnsheet ${CMAKE_CURRENT_SOURCE_DIR}/main.cpp)
target_link_libraries(qnsheet PRIVATE platform)
add_dependencies(qnsheet Q73MZRG3 Q73MZRU3 Q73MZRT3 TESTSHT TESTDRV)
CM
python3 - <<'PY'
def sub(p, old, new):
    s=open(p).read()
    assert old in s, (p, old)
    s=s.replace(old,new,1); open(p,'w').write(s)
sub('CMakeLists.txt','add_subdirectory(tools/bench)\nadd_subdirectory(tests)\n','add_subdirectory(tools/bench)\nadd_subdirectory(tests)\nadd_subdirectory(tools/qnsheet)\n')
sub('tools/setup-deps','packages=(cmake make g++ g++-multilib lib32asan8 lib32ubsan1 libgtest-dev)','packages=(cmake make g++ g++-multilib lib32asan8 lib32ubsan1 libgtest-dev libstb-dev)')
sub('platform/include/host/ui.h','''Picture WindowPicture(HWND window);
''','''Picture WindowPicture(HWND window);
// Saves the picture of a window as a PNG file; false when the window is not there or the file cannot be written.
bool SaveWindowPicture(HWND window, const std::filesystem::path& file);
''')
PY
python3 /tmp/apply3_notify.py
