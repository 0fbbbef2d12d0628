<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ja_JP">
<context>
    <name>rumie</name>
    <message>
        <source>UNIT_ORDER</source>
        <extracomment>Whether a unit's word stands before its number ("Floor 12") or after it ("12階").</extracomment>
        <translation>before</translation>
    </message>
    <message>
        <source>ルーミエ</source>
        <extracomment>The game's name.</extracomment>
        <translation>Rumie</translation>
    </message>
    <message>
        <source>%0社長 - 行動中</source>
        <extracomment>The frame's title; %0 is the name the player typed.</extracomment>
        <translation>President %0 - running</translation>
    </message>
    <message>
        <source>%0社長 - 停止中</source>
        <translation>President %0 - paused</translation>
    </message>
    <message>
        <source>保存</source>
        <extracomment>The tool row.</extracomment>
        <translation>Save</translation>
    </message>
    <message>
        <source>ロード</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>設定</source>
        <extracomment>Opens the speed setting.</extracomment>
        <translation>Speed</translation>
    </message>
    <message>
        <source>停止</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>拡大</source>
        <extracomment>Opens the window that adds floors.</extracomment>
        <translation>Build up</translation>
    </message>
    <message>
        <source>銀行</source>
        <translation>Bank</translation>
    </message>
    <message>
        <source>円</source>
        <extracomment>The money display: the digits, then this.</extracomment>
        <translation>yen</translation>
    </message>
    <message>
        <source>,000,000円</source>
        <translation>,000,000 yen</translation>
    </message>
    <message>
        <source>,999,999円</source>
        <translation>,999,999 yen</translation>
    </message>
    <message>
        <source>0円</source>
        <translation>0 yen</translation>
    </message>
    <message>
        <source>ファイル</source>
        <extracomment>The menus.</extracomment>
        <translation>File</translation>
    </message>
    <message>
        <source>始める</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>続きから</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>自動保存から再開</source>
        <translation>Resume from Autosave</translation>
    </message>
    <message>
        <source>セーブして終わる</source>
        <translation>Save and quit</translation>
    </message>
    <message>
        <source>環境設定</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>表示</source>
        <translation>View</translation>
    </message>
    <message>
        <source>情報</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>ビルの詳細</source>
        <translation>Building details</translation>
    </message>
    <message>
        <source>ヘルプ</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>バージョン</source>
        <translation>About</translation>
    </message>
    <message>
        <source>終了しますか？</source>
        <extracomment>Messages.</extracomment>
        <translation>Quit the game?</translation>
    </message>
    <message>
        <source>これ以上拡大できません</source>
        <translation>The building cannot have more floors.</translation>
    </message>
    <message>
        <source>保存して終了しますか</source>
        <translation>Save the game and quit?</translation>
    </message>
    <message>
        <source>保存できませんでした</source>
        <translation>The game could not be saved.</translation>
    </message>
    <message>
        <source>保存終了</source>
        <translation>The game is saved.</translation>
    </message>
    <message>
        <source>セーブデータを読み込めませんでした</source>
        <translation>The saved game could not be read.</translation>
    </message>
    <message>
        <source>速度変更</source>
        <translation>Change the speed</translation>
    </message>
    <message>
        <source>～ビル経営させて町を発展させよう！</source>
        <extracomment>The title screen.</extracomment>
        <translation>~ Run a building and make the town grow! ~</translation>
    </message>
    <message>
        <source>テスクゲーム会社</source>
        <translation>Tesk Games</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>お名前は？</source>
        <extracomment>The name window.</extracomment>
        <translation>Your name, President?</translation>
    </message>
    <message>
        <source>スタート</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>名前を入れてください</source>
        <translation>Please enter your name.</translation>
    </message>
    <message>
        <source>名前に使えない文字が含まれています</source>
        <extracomment>The name must be writable in the save's Japanese code page.</extracomment>
        <translation>Your name has a character the save file cannot hold. Use letters, digits or Japanese.</translation>
    </message>
    <message>
        <source>ルーミエ - 詳細</source>
        <extracomment>The building window.</extracomment>
        <translation>Rumie - Building</translation>
    </message>
    <message>
        <source>右側を選んでください</source>
        <translation>Choose a block</translation>
    </message>
    <message>
        <source>%1～%2階</source>
        <translation>Floors %1–%2</translation>
    </message>
    <message>
        <source>%1階</source>
        <translation>Floor %1</translation>
    </message>
    <message>
        <source>屋上</source>
        <translation>Rooftop</translation>
    </message>
    <message>
        <source>年目</source>
        <extracomment>The date line: Year 1 Month 4 Week 1.</extracomment>
        <translation>Year</translation>
    </message>
    <message>
        <source>月</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>週</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>階数ごと</source>
        <extracomment>The floor browser.</extracomment>
        <translation>Floor by floor</translation>
    </message>
    <message>
        <source>階</source>
        <extracomment>Before the floor's number.</extracomment>
        <translation>Floor</translation>
    </message>
    <message>
        <source>階</source>
        <comment>Label2</comment>
        <extracomment>After the number of floors the building will have.</extracomment>
        <translation>floors</translation>
    </message>
    <message>
        <source>階</source>
        <comment>Unit_8</comment>
        <extracomment>After the building's floor count.</extracomment>
        <translation>floors</translation>
    </message>
    <message>
        <source>です</source>
        <extracomment>Nothing in English.</extracomment>
        <translation>​</translation>
    </message>
    <message>
        <source>業者を入れる</source>
        <translation>Bring in a tenant</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>None</translation>
    </message>
    <message>
        <source>右から選んで下さい</source>
        <translation>Choose from the list</translation>
    </message>
    <message>
        <source>会社設定</source>
        <extracomment>The tenant choice.</extracomment>
        <translation>Choose a tenant</translation>
    </message>
    <message>
        <source>ホテル</source>
        <translation>Hotel</translation>
    </message>
    <message>
        <source>レストラン</source>
        <translation>Restaurant</translation>
    </message>
    <message>
        <source>会社</source>
        <translation>Company</translation>
    </message>
    <message>
        <source>億円かかリます</source>
        <extracomment>After the price.</extracomment>
        <translation>× ¥100M</translation>
    </message>
    <message>
        <source>キャンセル</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>本当にいいですか？</source>
        <translation>Are you sure?</translation>
    </message>
    <message>
        <source>すでに会社が入っていますが変えますか？</source>
        <translation>This floor already has a tenant. Replace it?</translation>
    </message>
    <message>
        <source>会社の拡大</source>
        <extracomment>The window that adds floors.</extracomment>
        <translation>Build up</translation>
    </message>
    <message>
        <source>何回建てにしますか？</source>
        <translation>How many floors in all?</translation>
    </message>
    <message>
        <source>費用は</source>
        <translation>The cost is</translation>
    </message>
    <message>
        <source>億円です</source>
        <translation>× ¥100M</translation>
    </message>
    <message>
        <source>銀行　-　期限は守りましょう</source>
        <extracomment>The bank.</extracomment>
        <translation>Bank - Keep to the due dates</translation>
    </message>
    <message>
        <source>銀行で融資を受けましょう</source>
        <translation>Take out a loan at the bank</translation>
    </message>
    <message>
        <source>状態</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>窓口%1</source>
        <extracomment>A bank window.</extracomment>
        <translation>Window %1</translation>
    </message>
    <message>
        <source>借りれます</source>
        <translation>Free</translation>
    </message>
    <message>
        <source>借りています</source>
        <translation>On loan</translation>
    </message>
    <message>
        <source>返済は%1年の%2月です</source>
        <translation>Repay in year %1, month %2</translation>
    </message>
    <message>
        <source>これ以上先の返済期限では融資できません</source>
        <translation>The bank cannot lend with a due date that far ahead.</translation>
    </message>
    <message>
        <source>融資%1億円受けますか？返済は%2年後に%3億円です</source>
        <translation>Borrow %1 × ¥100M? In %2 years you repay %3 × ¥100M.</translation>
    </message>
    <message>
        <source>窓口%1の融資返済です</source>
        <translation>The loan from bank window %1 is repaid.</translation>
    </message>
    <message>
        <source>ゲームオーバー。所持金が0になりました…。</source>
        <translation>Game over. Your money has run out…</translation>
    </message>
    <message>
        <source>報告書</source>
        <extracomment>The monthly report.</extracomment>
        <translation>Monthly report</translation>
    </message>
    <message>
        <source>今月の結果報告</source>
        <translation>This month's results</translation>
    </message>
    <message>
        <source>残金</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>会社収入</source>
        <translation>Rent</translation>
    </message>
    <message>
        <source>従業員給与</source>
        <translation>Wages</translation>
    </message>
    <message>
        <source>ビル維持費</source>
        <translation>Upkeep</translation>
    </message>
    <message>
        <source>増築費用</source>
        <translation>Construction</translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>※従業員　　　　×30万</source>
        <translation>* employees × ¥300k</translation>
    </message>
    <message>
        <source>※階数　　　　　×100万</source>
        <translation>* floors × ¥1M</translation>
    </message>
    <message>
        <source>万円</source>
        <translation>× ¥10k</translation>
    </message>
    <message>
        <source>マンションが建ちました</source>
        <translation>An apartment block has gone up in town.</translation>
    </message>
    <message>
        <source>他社のビルが建ちました</source>
        <translation>Another company's building has gone up in town.</translation>
    </message>
    <message>
        <source>速度設定</source>
        <extracomment>The speed setting.</extracomment>
        <translation>Game speed</translation>
    </message>
    <message>
        <source>遅い</source>
        <translation>Slow</translation>
    </message>
    <message>
        <source>速い</source>
        <translation>Fast</translation>
    </message>
    <message>
        <source>現在の速度は</source>
        <translation>One week passes every</translation>
    </message>
    <message>
        <source>秒で1週進みます</source>
        <translation>seconds</translation>
    </message>
    <message>
        <source>街&amp;ビル</source>
        <extracomment>The information panel.</extracomment>
        <translation>Town &amp; Building</translation>
    </message>
    <message>
        <source>街情報</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>ビル情報</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>街人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>発展度</source>
        <translation>Town grade</translation>
    </message>
    <message>
        <source>住宅</source>
        <translation>Houses</translation>
    </message>
    <message>
        <source>マンション</source>
        <translation>Apartments</translation>
    </message>
    <message>
        <source>工場</source>
        <translation>Factories</translation>
    </message>
    <message>
        <source>畑</source>
        <translation>Farms</translation>
    </message>
    <message>
        <source>畑</source>
        <comment>Unit_5</comment>
        <extracomment>After the count of farms.</extracomment>
        <translation>fields</translation>
    </message>
    <message>
        <source>ビル数</source>
        <translation>Buildings</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>階数</source>
        <translation>Floors</translation>
    </message>
    <message>
        <source>従業員数</source>
        <translation>Employees</translation>
    </message>
    <message>
        <source>会社数</source>
        <translation>Companies</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Building rank</translation>
    </message>
    <message>
        <source>人</source>
        <translation>people</translation>
    </message>
    <message>
        <source>戸</source>
        <translation>homes</translation>
    </message>
    <message>
        <source>施設</source>
        <comment>Unit_3</comment>
        <extracomment>After the count of apartment blocks.</extracomment>
        <translation>blocks</translation>
    </message>
    <message>
        <source>場</source>
        <translation>sites</translation>
    </message>
    <message>
        <source>塔</source>
        <translation>towers</translation>
    </message>
    <message>
        <source>詳細</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>村</source>
        <extracomment>Town grades.</extracomment>
        <translation>Village</translation>
    </message>
    <message>
        <source>町</source>
        <translation>Town</translation>
    </message>
    <message>
        <source>街</source>
        <translation>Large town</translation>
    </message>
    <message>
        <source>地方都市</source>
        <translation>Regional city</translation>
    </message>
    <message>
        <source>都市</source>
        <translation>City</translation>
    </message>
    <message>
        <source>県庁</source>
        <translation>Prefectural capital</translation>
    </message>
    <message>
        <source>首都</source>
        <translation>Capital</translation>
    </message>
    <message>
        <source>施設</source>
        <extracomment>The facilities list's title.</extracomment>
        <translation>Facilities</translation>
    </message>
    <message>
        <source>社</source>
        <extracomment>After a count of tenants.</extracomment>
        <translation>tenants</translation>
    </message>
    <message>
        <source>ゲームクリア!パスは%0</source>
        <extracomment>%0 is the clear code.</extracomment>
        <translation>You won! Your clear code is %0</translation>
    </message>
    <message>
        <source>ゲームのクリア</source>
        <translation>Game cleared</translation>
    </message>
    <message>
        <source>推移</source>
        <extracomment>The history window, in the View menu and as its title.</extracomment>
        <translation>History</translation>
    </message>
    <message>
        <source>外観</source>
        <extracomment>The window that draws the whole building floor by floor, in the View menu and as its title.</extracomment>
        <translation>Exterior</translation>
    </message>
    <message>
        <source>%1階建て</source>
        <extracomment>The building's height in the Exterior window.</extracomment>
        <translation>%1 floors</translation>
    </message>
    <message>
        <source>空き室</source>
        <extracomment>The sign of a floor without a tenant, as on its picture.</extracomment>
        <translation>Vacant</translation>
    </message>
    <message>
        <source>ロビー</source>
        <extracomment>The sign of floor 1, as on its picture.</extracomment>
        <translation>Lobby</translation>
    </message>
    <message>
        <source>所持金と収支</source>
        <translation>Money and results</translation>
    </message>
    <message>
        <source>人口・従業員・階数</source>
        <translation>Population, employees, floors</translation>
    </message>
    <message>
        <source>所持金（百万円）</source>
        <translation>Money (¥M)</translation>
    </message>
    <message>
        <source>合計（万円）</source>
        <translation>Total (× ¥10k)</translation>
    </message>
    <message>
        <source>人口（人）</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>従業員（人）</source>
        <translation>Employees</translation>
    </message>
    <message>
        <source>階数（階）</source>
        <translation>Floors</translation>
    </message>
    <message>
        <source>所持金</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>人口</source>
        <translation>Population</translation>
    </message>
    <message>
        <source>従業員</source>
        <translation>Employees</translation>
    </message>
    <message>
        <source>%1年目%2月</source>
        <extracomment>A month of the history: year, then month.</extracomment>
        <translation>Year %1 Month %2</translation>
    </message>
    <message>
        <source>%0,000,000円</source>
        <extracomment>Money in the history table; %0 is the millions.</extracomment>
        <translation>%0,000,000 yen</translation>
    </message>
    <message>
        <source>%0人</source>
        <extracomment>People in the history table; %0 is the number.</extracomment>
        <translation>%0 people</translation>
    </message>
    <message>
        <source>%1階</source>
        <comment>floors</comment>
        <extracomment>Floors in the history table; %1 is the number.</extracomment>
        <translation>%1 floors</translation>
    </message>
    <message>
        <source>町～</source>
        <extracomment>Where a town grade begins, on the population axis.</extracomment>
        <translation>Town+</translation>
    </message>
    <message>
        <source>街～</source>
        <translation>Large town+</translation>
    </message>
    <message>
        <source>地方都市～</source>
        <translation>Regional city+</translation>
    </message>
    <message>
        <source>都市～</source>
        <translation>City+</translation>
    </message>
    <message>
        <source>県庁～</source>
        <translation>Prefectural capital+</translation>
    </message>
    <message>
        <source>首都～</source>
        <translation>Capital+</translation>
    </message>
    <message>
        <extracomment>What a screen reader hears: the arrow buttons of the floor browser and of the extension, by what they do.</extracomment>
        <source>上の階</source>
        <translation>Up a floor</translation>
    </message>
    <message>
        <source>下の階</source>
        <translation>Down a floor</translation>
    </message>
    <message>
        <source>一階増やす</source>
        <translation>One floor more</translation>
    </message>
    <message>
        <source>一階減らす</source>
        <translation>One floor less</translation>
    </message>
    <message>
        <extracomment>What a screen reader hears between the items of a list it reads at once.</extracomment>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <extracomment>The Goals window (View menu, Ctrl+T): how far the win and the loss are.</extracomment>
        <source>目標</source>
        <translation>Goals</translation>
    </message>
    <message>
        <source>勝つには：首都で評価S</source>
        <translation>To win: rank S in the capital</translation>
    </message>
    <message>
        <source>街の発展</source>
        <translation>The town</translation>
    </message>
    <message>
        <source>ビルの評価</source>
        <translation>The building</translation>
    </message>
    <message>
        <source>お金</source>
        <translation>Money</translation>
    </message>
    <message>
        <source>次の発展度</source>
        <translation>Next grade</translation>
    </message>
    <message>
        <source>次の評価</source>
        <translation>Next rank</translation>
    </message>
    <message>
        <source>負けまで</source>
        <translation>To spare before the loss</translation>
    </message>
    <message>
        <extracomment>Goals: what the next month end adds to the money (its income less all it takes).</extracomment>
        <source>次の月末の収支</source>
        <translation>Next month end</translation>
    </message>
    <message>
        <source>月末後の所持金</source>
        <translation>Money after it</translation>
    </message>
    <message>
        <source>このままでは次の月末でゲームオーバーです。先に「銀行」で借りてください。</source>
        <translation>As things stand, the next month end ends the game. Borrow at the Bank first.</translation>
    </message>
    <message>
        <extracomment>The guide, where a step spends money: the next month end as things stand, in yen.</extracomment>
        <source>いまのままなら、次の月末の収入は %1円、費用は %2円で、所持金は %3円になります。</source>
        <translation>As things stand, the next month end brings in ¥%1 and costs ¥%2, leaving ¥%3.</translation>
    </message>
    <message>
        <source>一階足すごとに、所持金は %1円減ります。</source>
        <translation>Each floor you add takes ¥%1 from that.</translation>
    </message>
    <message>
        <extracomment>The guide's tenant step: the money each kind would leave after the next month end.</extracomment>
        <source>入れると、次の月末の所持金は ホテル %1円、レストラン %2円、会社 %3円 です。</source>
        <translation>Put in now, after the next month end you would have: hotel ¥%1, restaurant ¥%2, company ¥%3.</translation>
    </message>
    <message>
        <source>100万円を切るテナントは、先に「銀行」で借りないと月末でゲームオーバーです。</source>
        <translation>A tenant that leaves less than ¥1,000,000 ends the game at the month end unless you borrow at the Bank first.</translation>
    </message>
    <message>
        <extracomment>Goals: a grade or rank, then this, then the people it still takes ("Rank S needs 181 people").</extracomment>
        <source>まで あと</source>
        <translation>needs</translation>
    </message>
    <message>
        <source>達成</source>
        <translation>reached</translation>
    </message>
    <message>
        <extracomment>Goals: before the money to spare; English says nothing here.</extracomment>
        <source>あと</source>
        <translation>​</translation>
    </message>
    <message>
        <source>勝ちは「街&amp;ビル」を開いたときに決まります</source>
        <translation>A win is decided when Town &amp; Building opens</translation>
    </message>
    <message>
        <extracomment>What a screen reader hears when a block is chosen in the building window: the floors it lists.</extracomment>
        <source>%1階から%2階</source>
        <translation>Floors %1 to %2</translation>
    </message>
    <message>
        <extracomment>History: the months the money chart spans, first to last.</extracomment>
        <source>%1年目%2月～%3年目%4月</source>
        <translation>Year %1 Month %2 to Year %3 Month %4</translation>
    </message>
    <message>
        <extracomment>History: before the highest money the chart shows ("Money highest 150,000,000 yen").</extracomment>
        <source>最高</source>
        <translation>highest</translation>
    </message>
    <message>
        <extracomment>History: before the lowest money the chart shows.</extracomment>
        <source>最低</source>
        <translation>lowest</translation>
    </message>
    <message>
        <extracomment>Menu 表示: light words on a dark ground, for a player who sees poorly.</extracomment>
        <source>ハイコントラスト</source>
        <translation>High contrast</translation>
    </message>
    <message>
        <extracomment>The first-game guide (Help menu): one step at a time, moved on by the player's own actions.</extracomment>
        <source>はじめてのかたへ</source>
        <translation>Getting started</translation>
    </message>
    <message>
        <extracomment>The guide: skip to the next step.</extracomment>
        <source>次へ</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>ステップ %1 / %2</source>
        <translation>Step %1 / %2</translation>
    </message>
    <message>
        <extracomment>The guide names the buttons and windows by the captions they show.</extracomment>
        <source>ビルの窓「ルーミエ - 詳細」の左の列で、階のまとまり「%1～%2階」を選んでください。</source>
        <translation>In the building window “Rumie - Building”, choose the block “Floors %1–%2” in the left column.</translation>
    </message>
    <message>
        <source>右の列に、そのまとまりの階が並びます。</source>
        <translation>The right column then lists the floors of that block.</translation>
    </message>
    <message>
        <source>キー：F%1 でビルの窓へ移り、↑ ↓ で選んで Enter</source>
        <translation>Keys: F%1 to the building window, ↑ ↓ to choose, Enter</translation>
    </message>
    <message>
        <source>右の列で「%1階」などの階を選ぶと、その階が「階数ごと」の窓に開きます。</source>
        <translation>Choose a floor such as “Floor %1” in the right column: it opens in the window “Floor by floor”.</translation>
    </message>
    <message>
        <source>%1階はロビーです。テナントは%2階から上に入れます。</source>
        <translation>Floor %1 is the lobby. Tenants go on floor %2 and up.</translation>
    </message>
    <message>
        <source>キー：→ で右の列へ移り、↑ ↓ で選んで Enter</source>
        <translation>Keys: → to the right column, ↑ ↓ to choose, Enter</translation>
    </message>
    <message>
        <source>「階数ごと」の「業者を入れる」を押して、その階に入れるテナントを選びます。</source>
        <translation>In “Floor by floor”, press “Bring in a tenant” and choose a tenant for that floor.</translation>
    </message>
    <message>
        <extracomment>The guide: what each tenant costs and earns, as the tenant choice lists them.</extracomment>
        <source>ホテル：%1億円、従業員 %2人、家賃 毎月 %3万円
レストラン：%4億円、従業員 %5人、家賃 毎月 %6万円
会社：%7億円、従業員 %8人、家賃 毎月 %9万円
価格は月末の決算で引かれます。給与は従業員ひとり 毎月 %10万円です。</source>
        <translation>Hotel: %1 × ¥100M, %2 employees, rent %3 × ¥10k a month
Restaurant: %4 × ¥100M, %5 employees, rent %6 × ¥10k a month
Company: %7 × ¥100M, %8 employees, rent %9 × ¥10k a month
The price is taken at the month end. Wages are %10 × ¥10k a month for each employee.</translation>
    </message>
    <message>
        <source>キー：Tab で「業者を入れる」へ移って Enter、↑ ↓ で種類を選んで OK</source>
        <translation>Keys: Tab to “Bring in a tenant”, Enter, ↑ ↓ to choose the kind, OK</translation>
    </message>
    <message>
        <source>ツールの列の「拡大」で、ビルに階を足します。</source>
        <translation>Add floors to the building with “Build up” in the tool row.</translation>
    </message>
    <message>
        <source>一階 %1億円で、月末の決算で引かれます。維持費は一階 毎月 %2万円です。</source>
        <translation>A floor costs %1 × ¥100M, taken at the month end. Upkeep is %2 × ¥10k a month for each floor.</translation>
    </message>
    <message>
        <source>キー：Ctrl+E、▲ ▼ で階数を決めて OK</source>
        <translation>Keys: Ctrl+E, ▲ ▼ to set the floors, OK</translation>
    </message>
    <message>
        <source>月末に「報告書」が出ます。読み終えたら、枠をクリックして閉じます。</source>
        <translation>At the month end the “Monthly report” comes. When you have read it, click its frame to close it.</translation>
    </message>
    <message>
        <extracomment>The guide: the rows of the monthly report, by their captions.</extracomment>
        <source>会社収入：基本 %1万円と、テナントの家賃
従業員給与：ひとり %2万円
ビル維持費：一階 %3万円
増築費用：その月の拡大とテナントの価格
合計：会社収入から費用を引いた分が、所持金に足されます</source>
        <translation>Rent: %1 × ¥10k of base income, and the tenants' rents
Wages: %2 × ¥10k for each employee
Upkeep: %3 × ¥10k for each floor
Construction: the month's building up and tenants
Total: the rent less the costs, added to your money</translation>
    </message>
    <message>
        <source>キー：Tab で一行ずつ読み、Esc で閉じます</source>
        <translation>Keys: Tab reads it row by row, Esc closes it</translation>
    </message>
    <message>
        <source>メニュー「表示」の「情報」と「目標」を開きます。</source>
        <translation>Open “Information” and “Goals” in the menu “View”.</translation>
    </message>
    <message>
        <source>「街&amp;ビル」には町の人口と発展度、ビルの評価が出ます。「目標」には、首都で評価Sの勝ちまで あと何人かが出ます。</source>
        <translation>“Town &amp; Building” shows the town's population and grade and the building's rank. “Goals” shows how many people are left to the win: building rank S in a Capital.</translation>
    </message>
    <message>
        <source>キー：Alt+V で「表示」を開き、Ctrl+T で「目標」</source>
        <translation>Keys: Alt+V opens “View”, Ctrl+T opens “Goals”</translation>
    </message>
    <message>
        <source>お金が足りなくなったら、ツールの列の「銀行」で借ります。</source>
        <translation>When money runs low, borrow with “Bank” in the tool row.</translation>
    </message>
    <message>
        <source>窓口ひとつで %1億円を借り、%2年後の同じ月に %3億円を返します。窓口は %4つです。</source>
        <translation>Each window lends %1 × ¥100M, and takes back %3 × ¥100M in the same month %2 years later. There are %4 windows.</translation>
    </message>
    <message>
        <source>キー：Ctrl+B</source>
        <translation>Keys: Ctrl+B</translation>
    </message>
    <message>
        <extracomment>The View menu's submenu of the three text sizes.</extracomment>
        <source>文字の大きさ</source>
        <translation>Text size</translation>
    </message>
    <message>
        <extracomment>Text size: the desktop's own size.</extracomment>
        <source>標準</source>
        <translation>Standard</translation>
    </message>
    <message>
        <extracomment>Text size: about one and a half times the standard.</extracomment>
        <source>大</source>
        <translation>Large</translation>
    </message>
    <message>
        <extracomment>Text size: about twice the standard.</extracomment>
        <source>特大</source>
        <translation>Extra large</translation>
    </message>
    <message>
        <extracomment>The View menu's submenu of the two languages, each named in its own words.</extracomment>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>設定を保存できませんでした。この回の設定は次には残りません。</source>
        <translation>Your settings could not be saved: what you set now will not be kept for the next start.</translation>
    </message>
    <message>
        <source>言語は次に始めたときから変わります</source>
        <translation>The language changes the next time you start the game.</translation>
    </message>
</context>
</TS>
