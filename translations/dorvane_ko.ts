<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en">
<context>
    <name>Board</name>
    <message>
        <source>New game</source>
        <translation>새 경기</translation>
    </message>
    <message>
        <source>Request player names</source>
        <translation>선수 이름 묻기</translation>
    </message>
    <message>
        <source>Request player names on new game</source>
        <translation>새 경기마다 선수 이름 묻기</translation>
    </message>
    <message>
        <source>Start round</source>
        <translation>회전 시작</translation>
    </message>
    <message>
        <source>Stop round</source>
        <translation>회전 중지</translation>
    </message>
    <message>
        <source>Set round</source>
        <translation>회전 지정</translation>
    </message>
    <message>
        <source>Injury</source>
        <translation>부상</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>홍</translation>
    </message>
    <message>
        <source>Hong</source>
        <translation>홍</translation>
    </message>
    <message>
        <source>Hong +</source>
        <translation>홍 +</translation>
    </message>
    <message>
        <source>Hong -</source>
        <translation>홍 -</translation>
    </message>
    <message>
        <source>Red 1 point penalty -</source>
        <translation>홍 1점 감점 -</translation>
    </message>
    <message>
        <source>Half point penalty</source>
        <translation>0.5점 감점</translation>
    </message>
    <message>
        <source>Red half point penalty -</source>
        <translation>홍 0.5점 감점 -</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>청</translation>
    </message>
    <message>
        <source>Chong</source>
        <translation>청</translation>
    </message>
    <message>
        <source>Chong +</source>
        <translation>청 +</translation>
    </message>
    <message>
        <source>Chong -</source>
        <translation>청 -</translation>
    </message>
    <message>
        <source>Blue 1 point penalty -</source>
        <translation>청 1점 감점 -</translation>
    </message>
    <message>
        <source>Blue half point penalty -</source>
        <translation>청 0.5점 감점 -</translation>
    </message>
    <message>
        <source>Blue retires</source>
        <translation>청 기권</translation>
    </message>
    <message>
        <source>Red retires</source>
        <translation>홍 기권</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Gamepad manager ...</source>
        <translation>게임패드 관리 ...</translation>
    </message>
    <message>
        <source>Gamepad manager </source>
        <translation>게임패드 관리 </translation>
    </message>
    <message>
        <source>Check for updates ...</source>
        <translation>업데이트 확인 ...</translation>
    </message>
    <message>
        <source>Check for updates </source>
        <translation>업데이트 확인 </translation>
    </message>
    <message>
        <source>Product news ...</source>
        <translation>제품 소식 ...</translation>
    </message>
    <message>
        <source>Product news </source>
        <translation>제품 소식 </translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>ROUND</source>
        <translation>회전</translation>
    </message>
    <message>
        <source>Red player name</source>
        <translation>홍 선수 이름</translation>
    </message>
    <message>
        <source>Blue player name</source>
        <translation>청 선수 이름</translation>
    </message>
    <message>
        <source>Red penalties</source>
        <translation>홍 감점</translation>
    </message>
    <message>
        <source>Blue penalties</source>
        <translation>청 감점</translation>
    </message>
    <message>
        <source>+ Hong</source>
        <translation>+ 홍</translation>
    </message>
    <message>
        <source>Dorvane Help</source>
        <translation>Dorvane 도움말</translation>
    </message>
    <message>
        <source>Ready to start a new game?</source>
        <translation>새 경기를 시작할까요?</translation>
    </message>
    <message>
        <source>To update the application executable, it must be shutdown. Continue?</source>
        <translation>업데이트하려면 프로그램을 종료해야 합니다. 계속할까요?</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>최신 버전입니다. 지금은 업데이트가 없습니다.</translation>
    </message>
    <message>
        <source>Update discontinued</source>
        <translation>업데이트 중단</translation>
    </message>
    <message>
        <source>Round %1 is tied after every tie-break. Who wins it by the referee&apos;s superiority decision?</source>
        <translation>%1회전이 모든 동점 판정 기준 후에도 동점입니다. 주심의 우세 판정으로 누가 이깁니까?</translation>
    </message>
    <message>
        <source>Red: %1</source>
        <translation>홍: %1</translation>
    </message>
    <message>
        <source>Blue: %1</source>
        <translation>청: %1</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>시계 +1초</translation>
    </message>
    <message>
        <source>One second more on a stopped or paused clock</source>
        <translation>멈추거나 일시 정지한 시계에 1초 더하기</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>시계 -1초</translation>
    </message>
    <message>
        <source>One second less on a stopped or paused clock</source>
        <translation>멈추거나 일시 정지한 시계에서 1초 빼기</translation>
    </message>
    <message>
        <source>1 point penalty +</source>
        <translation>1점 감점 +</translation>
    </message>
    <message>
        <source>Judges&apos; report</source>
        <translation>심판 보고서</translation>
    </message>
    <message>
        <source>Judges&apos; presses in this match</source>
        <translation>이번 경기의 심판 입력</translation>
    </message>
    <message>
        <source>+ Chong</source>
        <translation>+ 청</translation>
    </message>
    <message>
        <source>Board screen</source>
        <translation>전광판 화면</translation>
    </message>
    <message>
        <source>qrc:/help/operator-help.html</source>
        <extracomment>The help page in this language, among the program&apos;s resources.</extracomment>
        <translation>qrc:/help/operator-help_ko.html</translation>
    </message>
    <message>
        <source>A match is running. Exit Dorvane?</source>
        <translation>경기가 진행 중입니다. Dorvane을 종료할까요?</translation>
    </message>
    <message>
        <source>A match is running. Start a new game?</source>
        <translation>경기가 진행 중입니다. 새 경기를 시작할까요?</translation>
    </message>
    <message>
        <source>Update ready</source>
        <translation>업데이트 준비됨</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 승리</translation>
    </message>
</context>
<context>
    <name>Clock</name>
    <message>
        <source>Resume</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos;은(는) 올바른 정수가 아닙니다</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>Point gap</source>
        <translation>점수 차</translation>
    </message>
    <message>
        <source>Point ceiling</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Unknown error in the match clock</source>
        <translation>경기 시계의 알 수 없는 오류</translation>
    </message>
    <message>
        <source>Round %1: %2 (%3)</source>
        <translation>%1회전: %2 (%3)</translation>
    </message>
    <message>
        <source>score</source>
        <translation>점수</translation>
    </message>
    <message>
        <source>point gap</source>
        <translation>점수 차</translation>
    </message>
    <message>
        <source>gam-jeoms</source>
        <translation>감점</translation>
    </message>
    <message>
        <source>turning kicks</source>
        <translation>회전 차기</translation>
    </message>
    <message>
        <source>head kicks</source>
        <translation>머리 차기</translation>
    </message>
    <message>
        <source>body kicks</source>
        <translation>몸통 차기</translation>
    </message>
    <message>
        <source>punches</source>
        <translation>주먹 지르기</translation>
    </message>
    <message>
        <source>fewer gam-jeoms</source>
        <translation>적은 감점</translation>
    </message>
    <message>
        <source>referee</source>
        <translation>주심 판정</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>이 도움말을 보이고 끝냅니다.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>버전을 보이고 끝냅니다.</translation>
    </message>
    <message>
        <source>Read and save the settings in FILE.</source>
        <translation>설정을 FILE에서 읽고 FILE에 저장합니다.</translation>
    </message>
    <message>
        <source>FILE</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>Write the match records into folder DIR.</source>
        <translation>경기 기록을 DIR 폴더에 씁니다.</translation>
    </message>
    <message>
        <source>DIR</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Show the board full-screen on screen N (0 is the primary).</source>
        <translation>전광판을 N번 화면에 전체 화면으로 보입니다 (0은 주 화면).</translation>
    </message>
    <message>
        <source>Open the operator console beside the board.</source>
        <translation>전광판 옆에 운영자 콘솔을 엽니다.</translation>
    </message>
    <message>
        <source>Show the board in a normal window.</source>
        <translation>전광판을 일반 창으로 보입니다.</translation>
    </message>
    <message>
        <source>Taekwondo match scoreboard and scoring console.</source>
        <translation>태권도 경기 전광판과 채점 콘솔.</translation>
    </message>
    <message>
        <source>Unexpected argument &apos;%1&apos;.</source>
        <translation>예상하지 못한 인수 &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>--screen needs a screen number, 0 or more.</source>
        <translation>--screen에는 0 이상의 화면 번호가 필요합니다.</translation>
    </message>
    <message>
        <source>Try &apos;dorvane --help&apos; for the options.</source>
        <translation>옵션은 &apos;dorvane --help&apos;로 볼 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>Configuration</name>
    <message>
        <source>Advanced options</source>
        <translation>고급 옵션</translation>
    </message>
    <message>
        <source>Save inputs</source>
        <translation>입력 저장</translation>
    </message>
    <message>
        <source>Save scores</source>
        <translation>점수 저장</translation>
    </message>
    <message>
        <source>File name (no path or extension)</source>
        <translation>파일 이름 (경로와 확장자 없이)</translation>
    </message>
    <message>
        <source>True</source>
        <translation>예</translation>
    </message>
    <message>
        <source>False</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>선수</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Advanced ...</source>
        <translation>고급 ...</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos;은(는) 올바른 숫자가 아닙니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos;은(는) 올바른 정수가 아닙니다</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>홍 선수</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>청 선수</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>체급</translation>
    </message>
    <message>
        <source>Query before new game</source>
        <translation>새 경기 전에 묻기</translation>
    </message>
    <message>
        <source>Query operator if they really wish to start a new game</source>
        <translation>새 경기를 정말 시작할지 운영자에게 묻습니다</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>시간</translation>
    </message>
    <message>
        <source>Each round</source>
        <translation>회전마다</translation>
    </message>
    <message>
        <source>Injury time</source>
        <translation>부상 시간</translation>
    </message>
    <message>
        <source>Between rounds</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>End of round warning</source>
        <translation>회전 종료 경고</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Round timer</source>
        <translation>회전 시계</translation>
    </message>
    <message>
        <source>Injury timer</source>
        <translation>부상 시계</translation>
    </message>
    <message>
        <source>Between rounds timer</source>
        <translation>휴식 시계</translation>
    </message>
    <message>
        <source>One point colour</source>
        <translation>1점 색</translation>
    </message>
    <message>
        <source>Two point colour</source>
        <translation>2점 색</translation>
    </message>
    <message>
        <source>Three point colour</source>
        <translation>3점 색</translation>
    </message>
    <message>
        <source>Names</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>배경</translation>
    </message>
    <message>
        <source>Scoring</source>
        <translation>채점</translation>
    </message>
    <message>
        <source>Number of rounds</source>
        <translation>회전 수</translation>
    </message>
    <message>
        <source>Auto-restart after injury</source>
        <translation>부상 후 자동 재시작</translation>
    </message>
    <message>
        <source>Disqualification penalty</source>
        <translation>실격 감점</translation>
    </message>
    <message>
        <source>Use penalty increment</source>
        <translation>감점을 상대 점수에 더하기</translation>
    </message>
    <message>
        <source>Always show total penalty</source>
        <translation>총 감점 항상 표시</translation>
    </message>
    <message>
        <source>Auto-calc winner</source>
        <translation>승자 자동 계산</translation>
    </message>
    <message>
        <source>Winner blink frequency (millisecs)</source>
        <translation>승자 깜박임 주기 (ms)</translation>
    </message>
    <message>
        <source>Sudden Death Round</source>
        <translation>서든데스 회전</translation>
    </message>
    <message>
        <source>Use sudden death round</source>
        <translation>서든데스 회전 사용</translation>
    </message>
    <message>
        <source>First to score wins</source>
        <translation>먼저 득점하면 승리</translation>
    </message>
    <message>
        <source>Reset score at start of round</source>
        <translation>회전 시작 시 점수 초기화</translation>
    </message>
    <message>
        <source>Electronic scoring</source>
        <translation>전자 채점</translation>
    </message>
    <message>
        <source>Use electronic scoring</source>
        <translation>전자 채점 사용</translation>
    </message>
    <message>
        <source>Buttons to register</source>
        <translation>득점에 필요한 버튼 수</translation>
    </message>
    <message>
        <source>Transiency (msec)</source>
        <translation>입력 허용 시간 (ms)</translation>
    </message>
    <message>
        <source>Comm port</source>
        <translation>통신 포트</translation>
    </message>
    <message>
        <source>Point Gap</source>
        <translation>점수 차</translation>
    </message>
    <message>
        <source>Use point gap</source>
        <translation>점수 차 사용</translation>
    </message>
    <message>
        <source>Gap to win</source>
        <translation>승리 점수 차</translation>
    </message>
    <message>
        <source>Point Ceiling</source>
        <translation>최고 점수</translation>
    </message>
    <message>
        <source>Use point ceiling</source>
        <translation>최고 점수 사용</translation>
    </message>
    <message>
        <source>Ceiling to win</source>
        <translation>승리 점수</translation>
    </message>
    <message>
        <source>Rule set</source>
        <translation>경기 규칙</translation>
    </message>
    <message>
        <source>Classic: one score over all rounds. BestOfThree: each round scored on its own, the first to win two rounds wins (start a new game after a change)</source>
        <translation>Classic: 모든 회전의 점수를 합산합니다. BestOfThree: 회전마다 따로 채점하며 먼저 두 회전을 이긴 선수가 이깁니다 (바꾼 뒤에는 새 경기를 시작하세요)</translation>
    </message>
    <message>
        <source>Best of three</source>
        <translation>3판 2선승</translation>
    </message>
    <message>
        <source>Gam-jeoms that lose the round</source>
        <translation>회전 패배 감점 수</translation>
    </message>
    <message>
        <source>0 turns the limit off</source>
        <translation>0이면 제한 없음</translation>
    </message>
    <message>
        <source>Point gap that wins the round</source>
        <translation>회전 승리 점수 차</translation>
    </message>
    <message>
        <source>0 turns the gap off</source>
        <translation>0이면 점수 차 없음</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid value for &quot;%2&quot;: it must be %3</source>
        <translation>&apos;%1&apos;은(는) &quot;%2&quot;에 쓸 수 없는 값입니다. 허용 범위: %3</translation>
    </message>
    <message>
        <source>above %1 and at most %2</source>
        <translation>%1 초과 %2 이하</translation>
    </message>
    <message>
        <source>at least %1 and at most %2</source>
        <translation>%1 이상 %2 이하</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>stopped</source>
        <translation>멈춤</translation>
    </message>
    <message>
        <source>running</source>
        <translation>진행 중</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>injury time</source>
        <translation>부상 시간</translation>
    </message>
    <message>
        <source>break</source>
        <translation>휴식</translation>
    </message>
    <message>
        <source>decided</source>
        <translation>결정됨</translation>
    </message>
    <message>
        <source>ended</source>
        <translation>끝남</translation>
    </message>
    <message>
        <source>Dorvane - operator console</source>
        <translation>Dorvane - 운영자 콘솔</translation>
    </message>
    <message>
        <source>&amp;Match</source>
        <translation>경기(&amp;M)</translation>
    </message>
    <message>
        <source>Point +</source>
        <translation>점수 +</translation>
    </message>
    <message>
        <source>Point -</source>
        <translation>점수 -</translation>
    </message>
    <message>
        <source>Clock -1 s</source>
        <translation>시계 -1초</translation>
    </message>
    <message>
        <source>Clock +1 s</source>
        <translation>시계 +1초</translation>
    </message>
    <message>
        <source>New game</source>
        <translation>새 경기</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>홍</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>청</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>시계</translation>
    </message>
    <message>
        <source>Clock: %1, %2</source>
        <translation>시계: %1, %2</translation>
    </message>
    <message>
        <source>Record: off</source>
        <translation>기록: 꺼짐</translation>
    </message>
    <message>
        <source>Record: %1, nothing written yet</source>
        <translation>기록: %1, 아직 쓴 내용 없음</translation>
    </message>
    <message>
        <source>Record: %1, writing</source>
        <translation>기록: %1, 쓰는 중</translation>
    </message>
    <message>
        <source>Judges: no pads</source>
        <translation>심판: 패드 없음</translation>
    </message>
    <message>
        <source>The board cannot be driven without the console. Close both windows?</source>
        <translation>콘솔 없이는 전광판을 조작할 수 없습니다. 두 창을 모두 닫을까요?</translation>
    </message>
    <message>
        <source>Record: cannot write</source>
        <translation>기록: 쓸 수 없음</translation>
    </message>
    <message>
        <source>Journal: cannot write</source>
        <translation>경기 기록: 쓸 수 없음</translation>
    </message>
    <message>
        <source>Journal: writing</source>
        <translation>경기 기록: 쓰는 중</translation>
    </message>
</context>
<context>
    <name>Gamepads</name>
    <message>
        <source>Gamepad management</source>
        <translation>게임패드 관리</translation>
    </message>
    <message>
        <source>&amp;Judges</source>
        <translation>심판(&amp;J)</translation>
    </message>
    <message>
        <source> Red player </source>
        <translation> 홍 선수 </translation>
    </message>
    <message>
        <source>&amp;One point button</source>
        <translation>1점 버튼(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Two point button</source>
        <translation>2점 버튼(&amp;T)</translation>
    </message>
    <message>
        <source>Th&amp;ree point button</source>
        <translation>3점 버튼(&amp;R)</translation>
    </message>
    <message>
        <source> Blue player </source>
        <translation> 청 선수 </translation>
    </message>
    <message>
        <source>One &amp;point button</source>
        <translation>1점 버튼(&amp;P)</translation>
    </message>
    <message>
        <source>Two point &amp;button</source>
        <translation>2점 버튼(&amp;B)</translation>
    </message>
    <message>
        <source>T&amp;hree point button</source>
        <translation>3점 버튼(&amp;H)</translation>
    </message>
    <message>
        <source>Last judge</source>
        <translation>마지막 심판</translation>
    </message>
    <message>
        <source>Last button</source>
        <translation>마지막 버튼</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>지우기(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>적용(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Judge </source>
        <translation>심판 </translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>&apos;%1&apos;은(는) 올바른 정수가 아닙니다</translation>
    </message>
    <message>
        <source>Error getting joy stick capabilities</source>
        <translation>조이스틱 기능을 읽는 중 오류</translation>
    </message>
    <message>
        <source>Red player</source>
        <translation>홍 선수</translation>
    </message>
    <message>
        <source>Blue player</source>
        <translation>청 선수</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no judge</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>None</source>
        <comment>no button</comment>
        <translation>없음</translation>
    </message>
    <message>
        <source>&amp;Four point button</source>
        <translation>4점 버튼(&amp;F)</translation>
    </message>
    <message>
        <source>Fi&amp;ve point button</source>
        <translation>5점 버튼(&amp;V)</translation>
    </message>
    <message>
        <source>Fo&amp;ur point button</source>
        <translation>4점 버튼(&amp;U)</translation>
    </message>
    <message>
        <source>Five po&amp;int button</source>
        <translation>5점 버튼(&amp;I)</translation>
    </message>
</context>
<context>
    <name>Journal</name>
    <message>
        <source> It is kept as %1.</source>
        <translation> %1(으)로 보관했습니다.</translation>
    </message>
    <message>
        <source>The interrupted match could not be taken up: %1. A new match starts.%2</source>
        <translation>중단된 경기를 이어갈 수 없습니다: %1. 새 경기를 시작합니다.%2</translation>
    </message>
    <message>
        <source>Resume the interrupted match? (%1)</source>
        <translation>중단된 경기를 이어갈까요? (%1)</translation>
    </message>
    <message>
        <source>it is damaged</source>
        <translation>경기 기록이 손상되었습니다</translation>
    </message>
    <message>
        <source>it is too large</source>
        <translation>경기 기록이 너무 큽니다</translation>
    </message>
    <message>
        <source>it was written by a newer version of Dorvane</source>
        <translation>경기 기록을 더 새로운 Dorvane 버전이 썼습니다</translation>
    </message>
    <message>
        <source>between rounds</source>
        <translation>회전 사이 휴식</translation>
    </message>
    <message>
        <source>%1 left</source>
        <translation>%1 남음</translation>
    </message>
    <message>
        <source>Red %1 – Blue %2, round %3, %4</source>
        <translation>홍 %1 – 청 %2, %3회전, %4</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>경기 기록이 일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it holds values out of range</source>
        <translation>경기 기록에 범위를 벗어난 값이 있습니다</translation>
    </message>
</context>
<context>
    <name>Judges</name>
    <message>
        <source>Judges: %1 of %2 pads connected</source>
        <translation>심판: 패드 %2개 중 %1개 연결</translation>
    </message>
    <message>
        <source>Judge %1: </source>
        <translation>심판 %1: </translation>
    </message>
    <message>
        <source>no pad</source>
        <translation>패드 없음</translation>
    </message>
    <message>
        <source>pad</source>
        <translation>패드</translation>
    </message>
    <message>
        <source>, connected, last press </source>
        <translation>, 연결됨, 마지막 입력 </translation>
    </message>
    <message>
        <source>none</source>
        <translation>없음</translation>
    </message>
    <message>
        <source>Spare: </source>
        <translation>예비: </translation>
    </message>
</context>
<context>
    <name>JudgesReport</name>
    <message>
        <source>Judges&apos; report</source>
        <translation>심판 보고서</translation>
    </message>
    <message>
        <source>Judge</source>
        <translation>심판</translation>
    </message>
    <message>
        <source>Presses</source>
        <translation>입력</translation>
    </message>
    <message>
        <source>Scored</source>
        <translation>득점</translation>
    </message>
    <message>
        <source>Lone</source>
        <translation>단독</translation>
    </message>
    <message>
        <source>Median delay (ms)</source>
        <translation>지연 중앙값 (ms)</translation>
    </message>
    <message>
        <source>&amp;Save as CSV...</source>
        <translation>CSV로 저장(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>닫기(&amp;C)</translation>
    </message>
    <message>
        <source>Save judges&apos; report</source>
        <translation>심판 보고서 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
</context>
<context>
    <name>Players</name>
    <message>
        <source>  Players</source>
        <translation>  선수</translation>
    </message>
    <message>
        <source>&amp;Red player</source>
        <translation>홍 선수(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Blue player</source>
        <translation>청 선수(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Division</source>
        <translation>체급(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>확인(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>취소(&amp;C)</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Unable to write to %1</source>
        <translation>%1에 쓸 수 없습니다</translation>
    </message>
</context>
<context>
    <name>Update</name>
    <message>
        <source>Unable to write %1</source>
        <translation>%1을(를) 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>The cabinet unpacks to more than its update allows.</source>
        <translation>cabinet 압축을 풀면 업데이트 허용 크기를 넘습니다.</translation>
    </message>
    <message>
        <source>%1 is not a cabinet archive: %2</source>
        <translation>%1은(는) cabinet 압축 파일이 아닙니다: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 cannot be unpacked: the libarchive library could not be loaded.</source>
        <translation>cabinet %1의 압축을 풀 수 없습니다: libarchive 라이브러리를 불러올 수 없습니다.</translation>
    </message>
    <message>
        <source>The cabinet %1 is damaged: %2</source>
        <translation>cabinet %1이(가) 손상되었습니다: %2</translation>
    </message>
    <message>
        <source>The cabinet %1 holds &quot;%2&quot;, which would leave the program&apos;s folder.</source>
        <translation>cabinet %1에 프로그램 폴더 밖으로 나가는 &quot;%2&quot;이(가) 있습니다.</translation>
    </message>
    <message>
        <source>News</source>
        <translation>소식</translation>
    </message>
    <message>
        <source>The news cannot be shown. %1</source>
        <translation>소식을 보일 수 없습니다. %1</translation>
    </message>
    <message>
        <source>There is no news.</source>
        <translation>소식이 없습니다.</translation>
    </message>
    <message>
        <source>Click an item to read it.</source>
        <translation>읽을 항목을 누르세요.</translation>
    </message>
    <message>
        <source>Loading the news ...</source>
        <translation>소식을 불러오는 중 ...</translation>
    </message>
    <message>
        <source>You have the latest version. No updates are available at this time.</source>
        <translation>최신 버전입니다. 지금은 업데이트가 없습니다.</translation>
    </message>
    <message>
        <source>The update names the file &quot;%1&quot; twice.</source>
        <translation>업데이트에 &quot;%1&quot; 파일이 두 번 있습니다.</translation>
    </message>
    <message>
        <source>Unable to create %1</source>
        <translation>%1을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>The download of %1 ended early (%L2 of %L3 bytes).</source>
        <translation>%1 내려받기가 일찍 끝났습니다 (%L3바이트 중 %L2바이트).</translation>
    </message>
    <message>
        <source>The download of %1 does not match its SHA-256 sum.</source>
        <translation>내려받은 %1이(가) SHA-256 합과 맞지 않습니다.</translation>
    </message>
    <message>
        <source>The update is installed, but the program could not be started again. Please start it yourself.</source>
        <translation>업데이트를 설치했지만 프로그램을 다시 시작하지 못했습니다. 직접 시작하세요.</translation>
    </message>
    <message>
        <source>A file of the update description lacks its path, url or sha256.</source>
        <translation>업데이트 설명의 파일에 path, url 또는 sha256이 없습니다.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; would leave the program&apos;s folder.</source>
        <translation>업데이트 파일 &quot;%1&quot;이(가) 프로그램 폴더 밖으로 나갑니다.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid SHA-256 sum.</source>
        <translation>업데이트 파일 &quot;%1&quot;에 올바른 SHA-256 합이 없습니다.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has no valid size.</source>
        <translation>업데이트 파일 &quot;%1&quot;에 올바른 크기가 없습니다.</translation>
    </message>
    <message>
        <source>The update file &quot;%1&quot; has an address that is not allowed: %2</source>
        <translation>업데이트 파일 &quot;%1&quot;의 주소가 허용되지 않습니다: %2</translation>
    </message>
    <message>
        <source>A news item of the update description lacks its title, date or link.</source>
        <translation>업데이트 설명의 소식 항목에 제목, 날짜 또는 링크가 없습니다.</translation>
    </message>
    <message>
        <source>The news item &quot;%1&quot; has a link that is not a web address.</source>
        <translation>소식 &quot;%1&quot;의 링크가 웹 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>The update description is not valid JSON.</source>
        <translation>업데이트 설명이 올바른 JSON이 아닙니다.</translation>
    </message>
    <message>
        <source>The update description has no valid version.</source>
        <translation>업데이트 설명에 올바른 버전이 없습니다.</translation>
    </message>
    <message>
        <source>The update description has no list of files.</source>
        <translation>업데이트 설명에 파일 목록이 없습니다.</translation>
    </message>
    <message>
        <source>The news of the update description is not a list.</source>
        <translation>업데이트 설명의 소식이 목록이 아닙니다.</translation>
    </message>
    <message>
        <source>The update location cannot be reached: %1</source>
        <translation>업데이트 위치에 연결할 수 없습니다: %1</translation>
    </message>
    <message>
        <source>HTTP is not available (%1)</source>
        <translation>HTTP를 사용할 수 없습니다 (%1)</translation>
    </message>
    <message>
        <source>%1 redirects to an address that is not allowed: %2</source>
        <translation>%1이(가) 허용되지 않는 주소로 넘깁니다: %2</translation>
    </message>
    <message>
        <source>%1 is larger than announced.</source>
        <translation>%1이(가) 알려진 크기보다 큽니다.</translation>
    </message>
    <message>
        <source>%1: the server answered %2 %3</source>
        <translation>%1: 서버 응답 %2 %3</translation>
    </message>
    <message>
        <source>Unable to store %1: %2</source>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No update is staged.</source>
        <translation>준비된 업데이트가 없습니다.</translation>
    </message>
    <message>
        <source>The staged update&apos;s manifest is damaged.</source>
        <translation>준비된 업데이트의 목록 파일이 손상되었습니다.</translation>
    </message>
    <message>
        <source>The staged file %1 is damaged.</source>
        <translation>준비된 파일 %1이(가) 손상되었습니다.</translation>
    </message>
    <message>
        <source>Unable to replace %1: %2</source>
        <translation>%1을(를) 바꿀 수 없습니다: %2</translation>
    </message>
    <message>
        <source>No update location is set (key &quot;URL&quot; in section [Update] of Dorvane.INI).</source>
        <translation>업데이트 위치가 없습니다 (Dorvane.INI의 [Update] 섹션 &quot;URL&quot; 키).</translation>
    </message>
    <message>
        <source>The update location %1 is not an https:// or file:// address.</source>
        <translation>업데이트 위치 %1이(가) https:// 또는 file:// 주소가 아닙니다.</translation>
    </message>
    <message>
        <source>%1: nothing arrived for %2 seconds.</source>
        <translation>%1: %2초 동안 아무것도 받지 못했습니다.</translation>
    </message>
</context>
</TS>
